#include "common/code_page.h"

QString toComposedForm(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}
