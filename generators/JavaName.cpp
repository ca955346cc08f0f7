#include "generators/JavaName.h"

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <array>

namespace gen {

namespace {

// Keywords, the literals, and the names that may not name a type (var,
// yield, record, sealed, permits).
constexpr std::array<const char16_t*, 59> kReserved = {
    u"abstract", u"assert",       u"boolean",  u"break",     u"byte",   u"case",      u"catch",    u"char",
    u"class",    u"const",        u"continue", u"default",   u"do",     u"double",    u"else",     u"enum",
    u"extends",  u"final",        u"finally",  u"float",     u"for",    u"goto",      u"if",       u"implements",
    u"import",   u"instanceof",   u"int",      u"interface", u"long",   u"native",    u"new",      u"package",
    u"private",  u"protected",    u"public",   u"return",    u"short",  u"static",    u"strictfp", u"super",
    u"switch",   u"synchronized", u"this",     u"throw",     u"throws", u"transient", u"try",      u"void",
    u"volatile", u"while",        u"_",        u"true",      u"false",  u"null",      u"var",      u"yield",
    u"record",   u"sealed",       u"permits",
};

}  // namespace

// Character.isJavaIdentifierStart: a letter, a letter number, a currency
// sign or a connector such as "_".
bool IsJavaIdentifierStart(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_Letter:
    case QChar::Symbol_Currency:
    case QChar::Punctuation_Connector: return true;
    default: return false;
    }
}

// Character.isJavaIdentifierPart: also digits, combining marks and the
// characters that identifiers ignore (format characters, most controls).
bool IsJavaIdentifierPart(char32_t c)
{
    if (IsJavaIdentifierStart(c))
        return true;
    switch (QChar::category(c)) {
    case QChar::Number_DecimalDigit:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Other_Format: return true;
    default: return (c <= 0x08) || (c >= 0x0E && c <= 0x1B) || (c >= 0x7F && c <= 0x9F);
    }
}

bool IsJavaClassName(QStringView name)
{
    const QList<uint> codes = name.toUcs4();
    if (codes.isEmpty() || !IsJavaIdentifierStart(codes.front()))
        return false;
    if (!std::all_of(codes.begin() + 1, codes.end(), [](uint c) { return IsJavaIdentifierPart(c); }))
        return false;
    return std::none_of(kReserved.begin(), kReserved.end(), [&](const char16_t* word) { return name == word; });
}

}  // namespace gen
