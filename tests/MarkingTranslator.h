#pragma once

#include <QTranslator>

// Translates every text to "<context>|<source>", so that a test can see what was translated.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString("%1|%2").arg(context, source);
    }
};
