#pragma once
// The border field of the map properties dialog: a spin field without limits whose text may
// be anything while it is typed; leaving the field makes it a clean border width.

#include <QSpinBox>

namespace kvx {

class TBorderSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit TBorderSpinBox(QWidget* parent = nullptr);

    // The field holds the border as text, exactly as the map keeps it.
    QString BorderText() const;
    void SetBorderText(const QString& text);
    // Applies the border rule to the field (as leaving it does).
    void ApplyBorderRule();

    // The border rule of model/BorderRule.h, which the readers apply too.
    static QString BorderRule(const QString& text);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kvx
