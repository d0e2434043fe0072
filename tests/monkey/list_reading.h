// The conversation list read as a person sees it: through whatever model the
// list view shows (the window's own, or a proxy over it), rows hidden by the
// view left out.
#pragma once

#include <QModelIndex>

#include <vector>

#include "ylogs/discovery/conversation_entry.h"

class QTreeView;

namespace orvex::testing {

// The entry behind a row of the view's model.
const ConversationEntry* EntryOfViewIndex(const QTreeView& view, const QModelIndex& index);
// The view's rows in display order that are not hidden.
std::vector<int> ShownViewRows(const QTreeView& view);
std::vector<const ConversationEntry*> ShownEntries(const QTreeView& view);
// Every entry of the window's own model, whether a tab lists it or not.
std::vector<const ConversationEntry*> AllEntries(const QTreeView& view);

}  // namespace orvex::testing
