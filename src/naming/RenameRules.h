#pragma once
// Rules of the rename dialog, kept apart from its widgets.

#include <QString>
#include <QStringList>

namespace naming {

// The six template tokens in the order the dialog lists them.
QStringList TemplateTokenList();

// The caption of a token label: the token in double quotes and its explanation.
QString TokenLabelCaption(const QString &token);

// Appends a token to the template text; a non-empty text first gets "-" when the
// dash box is checked, otherwise "_" when the underscore box is checked.
QString AppendToken(const QString &templateText, const QString &token, bool addDash, bool addUnderscore);

// The integer a number field holds: fractions cut toward zero, empty or unreadable
// text 0, values beyond the 32-bit range held at its ends.
int NumberFieldValue(const QString &text);

} // namespace naming
