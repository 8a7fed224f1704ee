#include "report/PageWriter.h"

#include <QString>

namespace courtlog {

namespace {

QString xmlText(std::string_view utf8) {
    std::string clean(utf8);
    for (char& c : clean) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            c = '?';
        }
    }
    return QString::fromStdString(clean);
}

QString latin1(std::string_view n) {
    return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
}

}  // namespace

PageWriter::PageWriter() : xml_(&out_) {}

void PageWriter::writeAttributes(Attributes list) {
    for (const auto& [key, value] : list) {
        xml_.writeAttribute(latin1(key), xmlText(value));
    }
}

void PageWriter::open(std::string_view tag, Attributes list, std::string_view defaultNamespace) {
    xml_.writeStartElement(latin1(tag));
    if (!defaultNamespace.empty()) {
        xml_.writeDefaultNamespace(latin1(defaultNamespace));
    }
    writeAttributes(list);
}

void PageWriter::close() {
    xml_.writeCharacters(QString());  // ends the start tag, so the element is never <x/>
    xml_.writeEndElement();
}

void PageWriter::element(std::string_view tag, const std::string& content, Attributes list) {
    open(tag, list);
    text(content);
    close();
}

void PageWriter::empty(std::string_view tag, Attributes list) {
    xml_.writeEmptyElement(latin1(tag));
    writeAttributes(list);
}

void PageWriter::text(const std::string& content) {
    xml_.writeCharacters(xmlText(content));
}

void PageWriter::doctype(std::string_view declaration) {
    xml_.writeDTD(latin1(declaration));
}

std::string PageWriter::result() const {
    return out_.toStdString();
}

std::string shortened(const std::string& utf8, std::size_t max) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && chars++ == max) {
            return utf8.substr(0, i) + "…";
        }
    }
    return utf8;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += separator;
        }
        out += p;
    }
    return out;
}

}  // namespace courtlog
