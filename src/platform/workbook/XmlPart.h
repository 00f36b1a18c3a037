// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// An XML part of a workbook package parsed in place: the document points into the bytes it
// keeps. Its markup is counted first (CheckMarkup) unless the caller counted it already (a piece
// of a part counted whole). Throws WorkbookError for markup past WorkbookLimits or XML that is
// not well formed.
class XmlPart
{
public:
    enum class Markup
    {
        Count,
        Counted
    };

    XmlPart(QByteArray bytes, const QString& name, Markup markup = Markup::Count);
    pugi::xml_node Root() const { return m_document.document_element(); }

    // Each tag and each attribute costs the parser memory beyond its bytes: both are counted
    // before parsing. A character reference to a character XML cannot carry (&#0;) would end the
    // text there and is refused too.
    static void CheckMarkup(const QByteArray& bytes, const QString& name);

    // Element and attribute names compared without their namespace prefix.
    static const char* LocalName(const char* name);
    static bool Is(const pugi::xml_node& node, const char* localName);
    // The first child of that local name, or a null node.
    static pugi::xml_node Child(const pugi::xml_node& node, const char* localName);

private:
    QByteArray m_bytes;
    pugi::xml_document m_document;
};
