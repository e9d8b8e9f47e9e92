// Reads an XML document from memory and hands each child element of its root to a visitor,
// with the element's own text and the texts of its child elements. The parser never reaches
// the network or the disk: no DTD is loaded, no external entity is read, entities declared by
// the document are not expanded, and the library's limits on depth and size stay on.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct XmlTopElement {
    std::string name;
    // The text of the element's text and character-data children, in UTF-8.
    std::string text;
    // Each child element's name and text, in document order.
    std::vector<std::pair<std::string, std::string>> children;
};

struct XmlTopElements {
    // Visits the root's child elements in order until the visitor returns false. False when
    // the bytes are not a well-formed document (nothing is visited then).
    static bool read(const char* bytes, size_t size, const std::function<bool(const XmlTopElement&)>& visitor);
};
