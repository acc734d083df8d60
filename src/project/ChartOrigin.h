#pragma once

#include "model/ModelContext.h"
#include "project/FileStamp.h"

#include <QByteArray>
#include <QString>

// The file a chart was loaded from, as it stood when it was read, and what the load left beside
// the collections (caption, folder, selection). Known only for a chart that a complete load of a
// settled file made and that has not been edited since: such a chart can be put aside and shown
// again instead of reading its unchanged file once more.
struct ChartOrigin {
    QString path; // as the load was given it; empty when unknown
    QByteArray nativePath;
    QString folder;
    QString title;
    FileStamp stamp;
    bool tracked = false;
    const TextMeasure *measure = nullptr;
    qint16 selected = -1;
    qint16 previousSelected = -1;
    // The folder is watched (FolderWatch; set up at the first look, which only runs that call
    // charts make), and the stamp was last found unchanged at this serial of the watch; 0
    // before the first look.
    bool watchTried = false;
    bool watched = false;
    quint64 checkedSerial = 0;

    bool known() const { return !path.isEmpty(); }
    // True when a load now would draw the chart the same way.
    bool drawnAlike(const ModelContext &context) const
    {
        return tracked == context.trackCurrentBlock && measure == &context.textMeasure();
    }
    // True when the file still is what was read: `now` is its stamp at this moment.
    bool sameFile(const FileStamp &now) const { return now.regular && now == stamp; }
};
