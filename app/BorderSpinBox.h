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

    // Empty becomes "0"; otherwise the absolute value, where a text that is no integer counts
    // as 0 (blanks around the number are ignored). The absolute value of the smallest
    // integer does not exist in the field's range; it becomes the largest.
    static QString BorderRule(const QString& text);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kvx
