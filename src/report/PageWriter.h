#pragma once

#include <QByteArray>
#include <QXmlStreamWriter>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace courtlog {

// An element's attributes, in the order they are written.
using Attributes = std::initializer_list<std::pair<std::string_view, std::string>>;

// Writes a page that both an HTML and an XML reader take the same way. Text is UTF-8; control
// characters that XML cannot hold become "?", as other unusable characters do in names.
class PageWriter {
public:
    PageWriter();

    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    // Opens an element, optionally declaring the default namespace of what it holds.
    void open(std::string_view tag, Attributes attributes = {},
              std::string_view defaultNamespace = {});
    // Ends the element opened last. An element left without content still gets its end tag:
    // an HTML reader takes <span/> for an opening tag and would swallow what follows.
    void close();
    // An element holding only text.
    void element(std::string_view tag, const std::string& content, Attributes attributes = {});
    // An element that holds nothing by nature: HTML's void elements and SVG's shapes.
    void empty(std::string_view tag, Attributes attributes = {});
    void text(const std::string& content);
    void doctype(std::string_view declaration);

    // The page so far.
    std::string result() const;

private:
    void writeAttributes(Attributes list);

    QByteArray out_;
    QXmlStreamWriter xml_;
};

// At most max characters of a UTF-8 text, with an ellipsis when cut.
std::string shortened(const std::string& utf8, std::size_t max);

// The parts that are not empty, with separator between them.
std::string joined(const std::vector<std::string>& parts, std::string_view separator);

}  // namespace courtlog
