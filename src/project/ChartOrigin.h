#pragma once

#include "base/Paths.h"
#include "model/ModelContext.h"
#include "project/FileStamp.h"

#include <QByteArray>
#include <QString>

// The file a chart was loaded from, as it stood when it was read, and what the load left beside
// the collections (caption, folder, file name, selection). Known only for a chart that a complete
// load of a settled file made and that has not been edited since: such a chart can be put aside
// and shown again instead of reading its unchanged file once more.
struct ChartOrigin {
    QString path; // as the load was given it; empty when unknown
    QByteArray nativePath;
    QString folder;
    QString fileName;
    QString title;
    FileStamp stamp;
    bool tracked = false;
    const TextMeasure *measure = nullptr;
    qint16 selected = -1;
    qint16 previousSelected = -1;
    // The coarse clock's reading when the file was last found unchanged; -1 before the first look.
    qint64 checkedAtMs = -1;

    bool known() const { return !path.isEmpty(); }
    bool isFrom(const QString &other) const { return Paths::samePath(other, path); }
    // True when a load now would draw the chart the same way.
    bool drawnAlike(const ModelContext &context) const
    {
        return tracked == context.trackCurrentBlock && measure == &context.textMeasure();
    }
    // True when the file still is what was read: `now` is its stamp at this moment.
    bool sameFile(const FileStamp &now) const { return now.regular && now == stamp; }
};
