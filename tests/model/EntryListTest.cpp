#include "model/EntryList.h"
#include "support/EntryInvariants.h"

#include <gtest/gtest.h>

using namespace sorvat;
using sorvat::test::EntriesInEffect;

TEST(EntryList, FixAndLockRulesAtOneCell) {
    EntryList list;
    list.Add(Entry(0, 0, 4, Fix));
    list.Add(Entry(5, 5, 0, Possible));
    list.Add(Entry(0, 0, 6, Fix));  // replaces Fix 5, appended at the end
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1), Entry(0, 0, 6, Fix));

    list.Add(Entry(0, 0, 6, Lock));  // a Lock replaces the Fix
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1), Entry(0, 0, 6, Lock));

    list.Add(Entry(0, 0, 2, Fix));  // a Fix never replaces a Lock
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1), Entry(0, 0, 6, Lock));

    list.Add(Entry(0, 0, 3, Possible));  // Possible marks sit beside the Lock
    EXPECT_EQ(list.Count(), 3);
}

TEST(EntryList, AnAddDiscardsTheRedoTailFirstEvenWhenRejected) {
    EntryList list;
    list.Add(Entry(0, 0, 4, Lock));
    list.Add(Entry(1, 0, 4, Possible));
    list.Undo();
    list.Add(Entry(0, 0, 6, Fix));  // rejected beside the Lock
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Position(), 1);
    list.Add(Entry(9, 0, 0, Fix));  // out of range: ignored
    list.Add(Entry(0, 0, 9, Fix));
    EXPECT_EQ(list.Count(), 1);

    // A mark taken back by undo is not found again: adding it adds it.
    list.Add(Entry(2, 2, 0, Possible));
    list.Undo();
    list.Add(Entry(2, 2, 0, Possible));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Position(), 2);
}

TEST(EntryList, LocksAreCopiedFromTheEntriesInEffectAndAssignFromCopiesAll) {
    EntryList list;
    list.Add(Entry(0, 0, 0, Lock));
    list.Add(Entry(1, 0, 1, Fix));
    list.Add(Entry(2, 0, 2, Possible));
    list.Add(Entry(3, 0, 3, Lock));
    list.Add(Entry(4, 0, 4, Lock));
    list.Undo();

    EntryList copy;
    copy.AssignFrom(list);  // the redo tail too
    EXPECT_EQ(copy.Count(), 5);
    EXPECT_EQ(copy.Position(), 4);
    EXPECT_EQ(copy.Redo(), 0);
    EXPECT_EQ(copy.At(4), Entry(4, 0, 4, Lock));

    EntryList answer;
    answer.CopyLocksFrom(list);
    EXPECT_EQ(EntriesInEffect(answer), (std::vector<Entry>{Entry(0, 0, 0, Lock), Entry(3, 0, 3, Lock)}));
    list.KeepLocks();
    EXPECT_EQ(EntriesInEffect(list), EntriesInEffect(answer));
    EXPECT_EQ(list.Count(), list.Position());
}
