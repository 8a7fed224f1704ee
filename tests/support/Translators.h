#pragma once

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <utility>

namespace courtlog::testing {

// A catalogue in place while it lives: each text becomes what the function makes of its context
// and Italian source, or stays for the next catalogue when that is empty.
class Translation : public QTranslator {
public:
    using Words = std::function<QString(const QString& context, const QString& source)>;

    explicit Translation(Words words) : words_(std::move(words)) {
        QCoreApplication::installTranslator(this);
        settle();
    }
    ~Translation() override {
        QCoreApplication::removeTranslator(this);
        settle();
    }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        return words_(QString::fromUtf8(context), QString::fromUtf8(source));
    }

    // The windows hear of a new catalogue through posted events.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }

private:
    Words words_;
};

// Every text a third longer than in Italian, as another language may well be: shows whether
// the fixed layout still holds. Placeholders and access keys stay as they are.
inline QString longer(const QString&, const QString& source) {
    return source + QString((source.size() + 2) / 3, QChar(u'w'));
}

}  // namespace courtlog::testing
