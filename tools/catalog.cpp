#include "tools/catalog.h"

#include <QFile>
#include <QXmlStreamReader>

Catalog readCatalog(const QString& path)
{
    Catalog c;
    QFile f(path);
    if (!f.exists())
        return c;
    if (!f.open(QIODevice::ReadOnly)) {
        c.error = "cannot be read";
        return c;
    }
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS") {
            c.language = xml.attributes().value("language").toString();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            c.messages.push_back({context, {}, {}, {}, {}, 0});
        } else if (c.messages.empty()) {
            continue;
        } else if (CatalogMessage& m = c.messages.back(); xml.name() == u"location" && m.file.isEmpty()) {
            m.file = xml.attributes().value("filename").toString();
            m.line = xml.attributes().value("line").toInt();
        } else if (xml.name() == u"source") {
            m.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            m.type = xml.attributes().value("type").toString();
            m.translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        c.error = QString("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
    return c;
}
