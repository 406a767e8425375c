#include "gui/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <algorithm>

#include "qt/translations.h"
#include "util/texts.h"

namespace kv {

void AddLanguageMenu(QMenu* options, ConfigStore& store, Prompt& prompt, const std::filesystem::path& dataFolder) {
    QMenu* menu = options->addMenu(QCoreApplication::translate("kv::MainWindow", "&Language"));
    menu->setObjectName("mnuOptionsLanguage");
    auto* group = new QActionGroup(menu);
    // A language no translation has is shown as the English it falls back to.
    std::string chosen = qt::ReadLanguageChoice(store);
    if (!chosen.empty() && std::ranges::none_of(qt::kLanguages, [&](const qt::Language& l) { return chosen == l.code; }))
        chosen = "en";
    const auto add = [&](const QString& caption, const std::string& code, const QString& name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [&store, &prompt, dataFolder, code] {
            qt::WriteLanguageChoice(store, code);
            qt::UseLanguage(qt::TranslationsFolder(dataFolder), code);
            const char* note = QT_TRANSLATE_NOOP(
                "Messages", "Messages now appear in the new language; the rest of the window follows when the program "
                            "starts again.");
            prompt.Show({note, text::kWindowTitle, MessageIcon::Information, Buttons::Ok});
        });
    };
    add(QCoreApplication::translate("kv::MainWindow", "System language"), "", "mnuOptionsLanguageSystem");
    for (const qt::Language& language : qt::kLanguages)
        add(QString::fromUtf8(language.name), language.code, QString("mnuOptionsLanguage_") + language.code);
}

}  // namespace kv
