// XmlTopElements over libxml2.
#include "game/blitz/xml/XmlTopElements.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <memory>
#include <mutex>

namespace {

// No document of the game may make the library open a file or an address.
xmlParserInputPtr refuseExternalEntity(const char*, const char*, xmlParserCtxtPtr)
{
    return nullptr;
}

void initialiseLibraryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
    });
}

// Text and character data directly below a node; entity references are left out, so that a
// document's own entities cannot grow the text.
std::string textOf(const xmlNode* node)
{
    std::string text;
    for (const xmlNode* child = node->children; child; child = child->next) {
        if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) && child->content)
            text += reinterpret_cast<const char*>(child->content);
    }
    return text;
}

struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

} // namespace

bool XmlTopElements::read(const char* bytes, size_t size, const std::function<bool(const XmlTopElement&)>& visitor)
{
    if (!bytes || size == 0 || size > static_cast<size_t>(INT_MAX))
        return false;
    initialiseLibraryOnce();
    // Without XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_HUGE: entities stay references,
    // no DTD is fetched, and the library's size and depth limits hold.
    const int options = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, DocumentFree> document(
        xmlReadMemory(bytes, static_cast<int>(size), "answer.xml", nullptr, options));
    if (!document)
        return false;
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (!root)
        return false;
    for (const xmlNode* node = root->children; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        XmlTopElement element;
        element.name = reinterpret_cast<const char*>(node->name);
        element.text = textOf(node);
        for (const xmlNode* child = node->children; child; child = child->next) {
            if (child->type == XML_ELEMENT_NODE)
                element.children.emplace_back(reinterpret_cast<const char*>(child->name), textOf(child));
        }
        if (!visitor(element))
            break;
    }
    return true;
}
