// Visible move-list entries: annotations written and read back.
#include "MoveListText.h"

#include <gtest/gtest.h>

#include <string>

namespace tablerix {
namespace {

const std::string kBlackLine = std::string(14, ' ') + "E7-E5";

TEST(MoveListTextTest, AnnotatedEntries) {
    EXPECT_EQ(MoveListText::Annotated("1. E2-E4", MoveListText::kJaque), "1. E2-E4   Jaque");
    EXPECT_EQ(MoveListText::Annotated(kBlackLine, MoveListText::kJaqueMate), kBlackLine + "   Jaque Mate");
    EXPECT_EQ(MoveListText::Annotated("103. H5-F7", MoveListText::kTablas), "103. H5-F7   Tablas");
    // Only the first 20 characters of the line are kept, the whole cut to 50.
    const std::string longLine(30, 'x');
    EXPECT_EQ(MoveListText::Annotated(longLine, MoveListText::kJaque), std::string(20, 'x') + "   Jaque");
    EXPECT_EQ(MoveListText::Annotated(longLine, std::string(40, 'w')).size(), 50u);
    EXPECT_EQ(MoveListText::VisibleEntry(std::string(45, 'y')), std::string(40, 'y'));
}

TEST(MoveListTextTest, AnnotationReadBack) {
    EXPECT_EQ(MoveListText::AnnotationOf("1. E2-E4"), "");
    EXPECT_EQ(MoveListText::AnnotationOf("1. E2-E4   Jaque"), "Jaque");
    EXPECT_EQ(MoveListText::AnnotationOf(kBlackLine + "   Jaque Mate"), "Jaque Mate");
    EXPECT_EQ(MoveListText::AnnotationOf("100. D1-H5   Jaque"), "Jaque");  // three-digit move number
    EXPECT_EQ(MoveListText::AnnotationOf("10. D1-H5   Tablas"), "Tablas");
    EXPECT_EQ(MoveListText::AnnotationOf(""), "");
    EXPECT_EQ(MoveListText::AnnotationOf("broken-"), "");
    // At most 20 characters of annotation are read.
    EXPECT_EQ(MoveListText::AnnotationOf("1. E2-E4 " + std::string(30, 'z')), std::string(19, 'z'));
}

TEST(MoveListTextTest, Trim) {
    EXPECT_EQ(MoveListText::Trim("   Jaque Mate  "), "Jaque Mate");
    EXPECT_EQ(MoveListText::Trim("    "), "");
    EXPECT_EQ(MoveListText::Trim("Tablas"), "Tablas");
}

}  // namespace
}  // namespace tablerix
