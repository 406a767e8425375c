#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

#include "util/advice.h"

namespace kv::qt {
namespace {

constexpr const char* kContext = "Messages";  // the core's texts:
constexpr const char* kObjectName = "kvTranslation";
constexpr const char* kQtObjectName = "kvQtTranslation";
// No text is marked with more lines than this, so a long message costs a few lookups a line.
constexpr size_t kMostLinesMarkedAsOne = 8;
constexpr const char* kSection = "Language";
constexpr const char* kKey = "Code";

// The program's own translation, when one is installed.
const QTranslator* Ours() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->findChild<QTranslator*>(kObjectName, Qt::FindDirectChildrenOnly) : nullptr;
}

// The translation of a marked text; empty when it has none.
std::string Lookup(const QTranslator& ours, const std::string& source) {
    return ours.translate(kContext, source.c_str()).toStdString();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, size_t from, size_t to, const char* separator) {
    std::string text;
    for (size_t i = from; i < to; ++i) text += (i > from ? separator : "") + lines[i];
    return text;
}

// A value is a marked text, or a line of a row itself (a problem of a CSV
// file in the line that names its row and column; a step in the line that
// adds the time left, and its blocks in the step); no deeper.
std::string TranslatedLine(const QTranslator& ours, const std::string& line, int depth = 0) {
    const auto match = MatchSource(line);
    if (!match) return line;
    const std::string source = Lookup(ours, match->source);
    if (source.empty()) return line;
    std::vector<std::string> values = match->values;
    for (std::string& value : values)
        if (std::string translated = Lookup(ours, value); !translated.empty()) value = std::move(translated);
        else if (depth < 2) value = TranslatedLine(ours, value, depth + 1);
    return Filled(source, values);
}

}  // namespace

std::filesystem::path TranslationsFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "translations";
}

std::string ReadLanguageChoice(const ConfigStore& store) { return ReadUserSetting(store, kSection, kKey, ""); }

void WriteLanguageChoice(ConfigStore& store, const std::string& code) { WriteUserSetting(store, kSection, kKey, code); }

std::string UseLanguage(const std::filesystem::path& folder, const std::string& code) {
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* before : app->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (before->objectName() != kObjectName && before->objectName() != kQtObjectName) continue;
        QCoreApplication::removeTranslator(before);
        delete before;
    }
    // The first language wanted that is English or has a translation.
    const QStringList wanted =
        code.empty() ? QLocale::system().uiLanguages() : QStringList{QString::fromStdString(code)};
    for (const QString& name : wanted) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) break;
        auto* ours = new QTranslator(app);
        if (!ours->load(locale, "kvprog", "_", QString::fromStdString(folder.string()))) {
            delete ours;
            continue;
        }
        ours->setObjectName(kObjectName);
        QCoreApplication::installTranslator(ours);
        auto* qts = new QTranslator(app);
        qts->setObjectName(kQtObjectName);
        if (qts->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qts);
        else
            delete qts;
        return QLocale(ours->language()).name().left(2).toStdString();
    }
    return "en";
}

QString Term(const std::string& english) { return QCoreApplication::translate(kContext, english.c_str()); }

QString Translated(const std::string& english) {
    const QTranslator* ours = Ours();
    const std::vector<std::string> lines = Lines(english);
    if (!ours) return QString::fromStdString(Joined(lines, 0, lines.size(), "\n"));
    std::vector<std::string> shown;
    for (size_t i = 0; i < lines.size();) {
        size_t end = std::min(lines.size(), i + kMostLinesMarkedAsOne);
        std::string found;
        for (; end > i && found.empty(); --end) found = Lookup(*ours, Joined(lines, i, end, "\r\n"));
        if (found.empty()) {
            shown.push_back(TranslatedLine(*ours, lines[i++]));
        } else {
            for (const std::string& line : Lines(found)) shown.push_back(line);
            i = end + 1;
        }
    }
    return QString::fromStdString(Joined(shown, 0, shown.size(), "\n"));
}

}  // namespace kv::qt
