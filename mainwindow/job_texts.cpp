// The table of the cutting library's texts, marked for lupdate under the "cutting" context.
// Fixed texts are checked against the library's constants at compile time; patterns are the
// library's compositions with %1, %2 where it inserts a path, a number or a further text, one
// line each.
#include "mainwindow/job_texts.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <string_view>

namespace form1 {
namespace {

constexpr std::array kFixedTexts{
    QT_TRANSLATE_NOOP("cutting", "info"),
    QT_TRANSLATE_NOOP("cutting", "Info"),
    QT_TRANSLATE_NOOP("cutting", "Please select ISO imput"),
    QT_TRANSLATE_NOOP("cutting", "Please select ISO Output"),
    QT_TRANSLATE_NOOP("cutting", "Incorrect Preset.The numbers of Sectors of ISO DVD Image "
                                 "Selected are < of Dvd Preset"),
    QT_TRANSLATE_NOOP("cutting", "Process Successfully!!!"),
    QT_TRANSLATE_NOOP("cutting", "Incorrect LBA to add.The size of the ISO output would be 0 "
                                 "bytes or less."),
    QT_TRANSLATE_NOOP("cutting", "Incorrect LBA to add.The sectors to add must give a whole "
                                 "number of bytes."),
    QT_TRANSLATE_NOOP("cutting", "Incorrect LBA to add.The size of the ISO output would "
                                 "exceed 9007199254740992 bytes."),
    // What the type-mismatch description names.
    QT_TRANSLATE_NOOP("cutting", "the image's sectors"),
    QT_TRANSLATE_NOOP("cutting", "the preset's sectors"),
    QT_TRANSLATE_NOOP("cutting", "the LBA to add"),
    QT_TRANSLATE_NOOP("cutting", "There is no open file."),
    QT_TRANSLATE_NOOP("cutting", "Verified: the output reads back as the source."),
    QT_TRANSLATE_NOOP("cutting", "Not verified."),
    QT_TRANSLATE_NOOP("cutting", "The output was removed while it was being written."),
    QT_TRANSLATE_NOOP("cutting", "Unknown Error."),
};

// The fixed texts above must stay the library's, character for character.
constexpr bool isFixedText(std::string_view text) {
    for (const char* fixed : kFixedTexts)
        if (text == fixed) return true;
    return false;
}
static_assert(isFixedText(cutting::kRefusalTitle) && isFixedText(cutting::kSuccessTitle) &&
              isFixedText(cutting::kNoSourceText) && isFixedText(cutting::kNoOutputText) &&
              isFixedText(cutting::kPresetTooLargeText) && isFixedText(cutting::kSuccessText) &&
              isFixedText(cutting::kEmptyOutputText) && isFixedText(cutting::kPartialByteText) &&
              isFixedText(cutting::kOversizeOutputText) && isFixedText(cutting::kVerifiedText) &&
              isFixedText(cutting::kNotVerifiedText) && isFixedText(cutting::kOutputRemovedText));

constexpr std::array kPatterns{
    QT_TRANSLATE_NOOP("cutting", "File not found: '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Type mismatch: %1 '%2' is not a number."),
    QT_TRANSLATE_NOOP("cutting", "Cutting cancelled: %1 of %2 bytes written."),
    QT_TRANSLATE_NOOP("cutting",
                      "Verification failed: the output differs from the source at byte %1."),
    QT_TRANSLATE_NOOP("cutting", "SHA-256: %1"),
    QT_TRANSLATE_NOOP("cutting", "The file '%1' is already open."),
    QT_TRANSLATE_NOOP("cutting", "Error opening '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Error reading '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Error writing '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Error flushing '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Error closing '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Error setting the end of '%1'."),
    QT_TRANSLATE_NOOP("cutting", "Only %1 of %2 bytes were written."),
    QT_TRANSLATE_NOOP("cutting", "Seek Error."),
    QT_TRANSLATE_NOOP("cutting", "Error %1."),
    // The line before the system's text names its error code.
    QT_TRANSLATE_NOOP("cutting", "Error %1"),
};

QString translated(const char* source) {
    return QCoreApplication::translate(kJobTextContext, source);
}

const QRegularExpression& placeholderExpression() {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    return placeholder;
}

// The pattern as an anchored expression: its literal parts, and a capture for each %N.
QRegularExpression expressionOf(const QString& pattern) {
    QString expression = QStringLiteral("\\A");
    qsizetype from = 0;
    for (auto it = placeholderExpression().globalMatch(pattern); it.hasNext();) {
        const auto m = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, m.capturedStart() - from)) +
                      QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(from)) + QStringLiteral("\\z");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

// `target` with each %N replaced by arguments[N - 1], in one pass, so that an argument that
// holds "%1" itself stays as it is.
QString substitute(const QString& target, const QStringList& arguments) {
    QString result;
    qsizetype from = 0;
    for (auto it = placeholderExpression().globalMatch(target); it.hasNext();) {
        const auto m = it.next();
        const qsizetype index = m.captured(1).toInt() - 1;
        result += target.mid(from, m.capturedStart() - from);
        result += index < arguments.size() ? arguments[index] : m.captured(0);
        from = m.capturedEnd();
    }
    return result + target.mid(from);
}

// Whether the N-th placeholder of `pattern` stands between quotes: a path or the user's text,
// kept as it is rather than translated.
bool isQuoted(const QString& pattern, qsizetype n) {
    const QString placeholder = QStringLiteral("'%") + QString::number(n) + QLatin1Char('\'');
    return pattern.contains(placeholder);
}

QString translateText(const QString& text) {
    // The file object's descriptions are lines joined by CRLF: its own text, then the
    // system's error code and text, or a seek's detail. Each line is translated alone.
    const QString lineBreak = QString::fromLatin1(cutting::kCrLf);
    if (text.contains(lineBreak)) {
        QStringList lines = text.split(lineBreak);
        for (QString& line : lines) line = translateText(line);
        return lines.join(lineBreak);
    }
    for (const char* fixed : kFixedTexts)
        if (text == QLatin1String(fixed)) return translated(fixed);
    for (const char* pattern : kPatterns) {
        const QString source = QString::fromUtf8(pattern);
        const QRegularExpressionMatch match = expressionOf(source).match(text);
        if (!match.hasMatch()) continue;
        const QString target = translated(pattern);
        if (target == source) return text; // untranslated: the text exactly as composed
        QStringList arguments = match.capturedTexts().mid(1);
        for (qsizetype i = 0; i < arguments.size(); ++i)
            if (!isQuoted(source, i + 1)) arguments[i] = translateText(arguments[i]);
        return substitute(target, arguments);
    }
    return text;
}

} // namespace

QString translateJobText(const std::string& text) {
    return translateText(QString::fromStdString(text));
}

} // namespace form1
