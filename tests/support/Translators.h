#pragma once

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

namespace courtlog::testing {

// The Italian texts that the English catalogue translates to something else.
inline std::set<QString> sourcesTranslatedOtherwise() {
    std::set<QString> sources;
    QFile file(QStringLiteral(COURTLOG_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) {
        return sources;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            xml.readNext();
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString english = xml.readElementText();
            if (english != source) {
                sources.insert(source);
            }
        }
    }
    return sources;
}

// Every text a third longer than in Italian, as another language may well be: shows whether
// the fixed layout still holds. Placeholders and access keys stay as they are.
class LongerTexts : public QTranslator {
public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        const QString text = QString::fromUtf8(source);
        return text + QString((text.size() + 2) / 3, QChar(u'w'));
    }
    bool isEmpty() const override { return false; }
};

}  // namespace courtlog::testing
