#pragma once

#include "model/RecentList.h"

class QComboBox;

// The two recent-entry lists behind the editable lists of the property dialogs and the window
// designer. One holder lives as long as the program; the lists only grow and are not saved.
class frmLists {
public:
    frmLists();

    // Refill an editable list's items from a recent list, keeping the text it shows.
    void fillCombo_var_val(QComboBox *cbox) const;
    void fillCombo_func(QComboBox *cbox) const;

    void addRecentVarVal(const QString &text) { m_varsVals.add(text); }
    void addRecentFunc(const QString &text) { m_functions.add(text); }

    const RecentList &ListBox_vars_vals() const { return m_varsVals; }
    const RecentList &ListBox_functions() const { return m_functions; }

private:
    RecentList m_varsVals;
    RecentList m_functions;
};
