#pragma once

#include "model/ChartFragment.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>

class QMimeData;

// Blocks on the clipboard: a fragment written as the records of a project file (block records,
// then line records) under a type of its own, so that another running copy of the program can
// paste them, and nothing else mistakes them for text.
class ChartClipboard {
public:
    static constexpr QLatin1String mimeType{"application/x-varnel-blocks"};

    static QByteArray encode(const ChartFragment &fragment);
    // The complete block records and every line record read; an empty fragment for anything
    // that is not such records.
    static ChartFragment decode(QByteArrayView bytes);

    // Puts the fragment on the system clipboard; reads it back (empty when the clipboard holds
    // no blocks).
    static void put(const ChartFragment &fragment);
    static ChartFragment take();
    static bool holdsBlocks();
};
