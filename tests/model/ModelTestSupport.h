#pragma once

#include "support/LocaleScope.h"

// The model as the main window owns it, without a display: one context and the two
// collections, with every linkError message recorded.

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"
#include "model/VarnelError.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ModelTest {

class Model : public ::testing::Test {
protected:
    Model()
    {
        QObject::connect(&blocks, &Block_Collection::linkError, [this](const MessageText &m) { errors << m.turkish(); });
        QObject::connect(&lines, &Line_Collection::linkError, [this](const MessageText &m) { errors << m.turkish(); });
    }

    cBlock *add(const QString &tag, qint16 shape = 0)
    {
        return blocks.AddShape(shape, tag, 10, 20);
    }

    // The element index of the block with this key.
    qint16 elementOf(const QString &tag) const { return blocks.item(tag)->theObjectShape(); }

    // The tags of the lines in collection order, as "from>to".
    QStringList lineTags() const
    {
        QStringList out;
        for (const auto &line : lines)
            out << line->sFrom() + u'>' + line->sTo();
        return out;
    }

    ModelContext ctx;
    Line_Collection lines{&ctx};
    Block_Collection blocks{&ctx, &lines};
    QStringList errors;
};

// The error number a call fails with; 0 when it does not fail.
inline int errorNumberOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VarnelError &error) {
        return error.number();
    }
    return 0;
}


} // namespace ModelTest
