#include "create/history_undo.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(HistoryUndo, RestoresTheTextTypedBeforeTheFirstPick) {
  HistoryUndo undo;
  undo.KeyPressed("Rep");
  undo.KeyPressed("Repo");
  EXPECT_TRUE(undo.Picked());
  // Keys while the pick is pending must not overwrite what was typed.
  undo.KeyPressed("2024 Reports");
  EXPECT_FALSE(undo.Picked());  // a second pick does not narrow the field again
  EXPECT_TRUE(undo.Pending());
  EXPECT_EQ(undo.Undo(), "Repo");
  EXPECT_FALSE(undo.Pending());
  undo.KeyPressed("x");
  EXPECT_EQ(undo.TypedText, "x");
}

TEST(HistoryUndo, UndoWithoutTypingGivesAnEmptyText) {
  HistoryUndo undo;
  EXPECT_TRUE(undo.Picked());
  EXPECT_EQ(undo.Undo(), "");
}

}  // namespace
}  // namespace kestrix
