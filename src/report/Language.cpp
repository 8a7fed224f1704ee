#include "report/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace courtlog {

namespace {

Language current = Language::Italian;
// The installed catalogues: ours and Qt's own for the standard buttons and dialogs.
std::unique_ptr<QTranslator> ours, qts;

std::unique_ptr<QTranslator> loaded(const QString& name, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    return t->load(name, folder) ? std::move(t) : nullptr;
}

}  // namespace

std::optional<Language> languageFromCode(const QString& code) {
    if (code == QLatin1String("it")) {
        return Language::Italian;
    }
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

QString codeOf(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

void useLanguage(Language language) {
    for (auto* t : {&ours, &qts}) {
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    }
    current = language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::Italian) {
        // Our texts are written in Italian; only Qt's own need a catalogue.
        qts = loaded(QStringLiteral("qtbase_it"), qtFolder);
    } else {
        ours = loaded(QStringLiteral("courtlog_en"), QStringLiteral(":/i18n"));
    }
    for (auto* t : {&ours, &qts}) {
        if (*t) {
            QCoreApplication::installTranslator(t->get());
        }
    }
}

Language currentLanguage() {
    return current;
}

Text::Translate translation() {
    return [](const Source& s) {
        return QCoreApplication::translate(s.context, s.text).toStdString();
    };
}

QString say(const Text& text) {
    return QString::fromStdString(sayUtf8(text));
}

std::string sayUtf8(const Text& text) {
    return text.render(translation());
}

std::string filled(const QString& translated, const std::vector<std::string>& args) {
    return fillIn(translated.toStdString(), args);
}

}  // namespace courtlog
