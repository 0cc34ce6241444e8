// A catalog of another language (Qt's .ts), as the tools and the tests read
// it: each message with its context, its Japanese source, its translation
// and where the text was first found.
#pragma once
#include <QString>
#include <vector>

struct CatalogMessage {
    QString context, source, translation;
    QString type;   // "", "unfinished" or "vanished"
    QString file;   // the first location, as the catalog writes it ("../../ui/form1.cpp")
    int line = 0;
};

struct Catalog {
    QString language;   // the TS element's; "" when it names none
    std::vector<CatalogMessage> messages;
    QString error;      // why it could not be read whole; "" when it was
};

// A missing file is an empty catalog.
Catalog readCatalog(const QString& path);
