#pragma once

#include <QString>

// The four action fields of a block as a property dialog reads and writes them. A dialog takes
// the block's current fields and, when confirmed, yields the new ones; the slots it does not
// use come back unchanged.
struct ActionFields {
    QString zAction;
    QString zParam1;
    QString zParam2;
    QString zParam3;

    friend bool operator==(const ActionFields &, const ActionFields &) = default;
};
