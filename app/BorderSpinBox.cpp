#include "app/BorderSpinBox.h"

#include "model/BorderRule.h"
#include "model/TextConversion.h"

#include <QLineEdit>
#include <cstdint>
#include <limits>
#include <optional>

namespace kvx {

namespace {

// Blanks around the number are forgiven, as a user typing " 5" means 5.
std::optional<std::int32_t> ToInteger(const QString& text) {
    try {
        return StrToInt(text.trimmed().toStdString());
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

TBorderSpinBox::TBorderSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setSingleStep(1);
    setValue(0);
}

QString TBorderSpinBox::BorderText() const {
    return lineEdit()->text();
}

void TBorderSpinBox::SetBorderText(const QString& text) {
    setValue(ToInteger(text).value_or(0));
    lineEdit()->setText(text);
}

void TBorderSpinBox::ApplyBorderRule() {
    const QString ruled = BorderRule(BorderText());
    if (ruled != BorderText()) {
        SetBorderText(ruled);
    }
}

QString TBorderSpinBox::BorderRule(const QString& text) {
    return QString::fromStdString(kvx::BorderRule(text.toStdString()));
}

// Anything may be typed (or pasted); the rule cleans it when the field is left.
QValidator::State TBorderSpinBox::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

int TBorderSpinBox::valueFromText(const QString& text) const {
    return ToInteger(text).value_or(0);
}

void TBorderSpinBox::focusOutEvent(QFocusEvent* event) {
    ApplyBorderRule();
    QSpinBox::focusOutEvent(event);
}

} // namespace kvx
