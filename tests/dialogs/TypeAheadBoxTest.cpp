#include "dialogs/TypeAheadBox.h"

#include <gtest/gtest.h>

namespace {

constexpr int kDown = 40;
constexpr int kDelete = 46;

CTypeAheadBox Persons() {
    CTypeAheadBox box;
    box.list.AddString("Adams, Al", 1);
    box.list.AddString("Sanders, Sue", 2);
    box.list.AddString("smith, Sam", 3);
    box.list.AddString("Smythe, Ed", 4);
    box.list.AddString("Stone, Ty", 5);
    box.list.SetCurSel(0);
    return box;
}

TEST(TypeAheadBox, TypingScrollsToTheFirstNameBeginningSoAndChoosesNothing) {
    CTypeAheadBox box = Persons();
    EXPECT_EQ(box.list.EditText(), "Adams, Al");
    // Moving into the box marks its text: the first letter starts a new text.
    EXPECT_TRUE(box.OnKeyDown('S', true));
    EXPECT_EQ(box.list.EditText(), "S");
    EXPECT_EQ(box.TopLine(), 1);
    // Letter case is ignored: "SM" finds "smith".
    EXPECT_TRUE(box.OnKeyDown('M'));
    EXPECT_EQ(box.list.EditText(), "SM");
    EXPECT_EQ(box.TopLine(), 2);
    EXPECT_TRUE(box.OnKeyDown(CTypeAheadBox::kBackspaceKey));
    EXPECT_EQ(box.list.EditText(), "S");
    EXPECT_EQ(box.TopLine(), 1);
    // The chosen line never moves while typing, and a part of a name chooses nobody.
    EXPECT_EQ(box.list.GetCurSel(), 0);
    EXPECT_EQ(box.DataOfText(), -1);

    // No name begins with "SX": the list stays where it was; emptied, it stays too.
    EXPECT_TRUE(box.OnKeyDown('X'));
    EXPECT_EQ(box.TopLine(), 1);
    EXPECT_TRUE(box.OnKeyDown(CTypeAheadBox::kBackspaceKey));
    EXPECT_TRUE(box.OnKeyDown(CTypeAheadBox::kBackspaceKey));
    EXPECT_TRUE(box.OnKeyDown(CTypeAheadBox::kBackspaceKey));
    EXPECT_EQ(box.list.EditText(), "");
    EXPECT_EQ(box.TopLine(), 1);

    // The arrow keys and Delete keep their work in the list.
    EXPECT_FALSE(box.OnKeyDown(kDown));
    EXPECT_FALSE(box.OnKeyDown(kDelete));
    EXPECT_EQ(box.list.EditText(), "");
}

TEST(TypeAheadBox, AWholeNameTypedOrPickedNamesThePersonAndAnExactOneWinsOverOtherCase) {
    CTypeAheadBox box = Persons();
    // Typing on after the shown name, then Backspace back into it.
    box.OnKeyDown('X');
    EXPECT_EQ(box.list.EditText(), "Adams, AlX");
    box.OnKeyDown(CTypeAheadBox::kBackspaceKey);
    EXPECT_EQ(box.DataOfText(), 1);

    box.list.SetEditText("");
    for (const char key : std::string("SMITH")) {
        box.OnKeyDown(key);
    }
    box.OnKeyDown(CTypeAheadBox::kCommaKey);
    box.OnKeyDown(' ');
    box.OnKeyDown('S');
    box.OnKeyDown('A');
    box.OnKeyDown('M');
    EXPECT_EQ(box.list.EditText(), "SMITH, SAM");
    EXPECT_EQ(box.DataOfText(), 3);

    // A line picked from the list is the box's text; typing goes on from there.
    box.list.SetEditText("Stone, Ty");
    EXPECT_EQ(box.DataOfText(), 5);
    box.OnKeyDown(CTypeAheadBox::kBackspaceKey);
    EXPECT_EQ(box.list.EditText(), "Stone, T");
    EXPECT_EQ(box.TopLine(), 4);

    // Two persons whose names differ only in case are each booked as picked; the accented
    // letters of the code page match their capitals as the plain ones do.
    CTypeAheadBox twins;
    twins.list.AddString("Lee, Ann", 1);
    twins.list.AddString("LEE, ANN", 2);
    twins.list.AddString("M\xFCller, J\xF6rg", 3);  // Müller, Jörg
    twins.list.SetEditText("LEE, ANN");
    EXPECT_EQ(twins.DataOfText(), 2);
    twins.list.SetEditText("Lee, Ann");
    EXPECT_EQ(twins.DataOfText(), 1);
    twins.list.SetEditText("lee, ann");
    EXPECT_EQ(twins.DataOfText(), 1);
    twins.list.SetEditText("M\xDCLLER, J\xD6RG");
    EXPECT_EQ(twins.DataOfText(), 3);
}

}  // namespace

// A roster of accented names: the plain letters reach them, the accented keys too, and letters
// that begin no name mark nothing, so that Enter cannot book the line marked before.
TEST(TypeAheadBox, PlainOrAccentedLettersReachAccentedNamesAndAMissMarksNothing) {
    CTypeAheadBox box;
    box.list.AddString(
        "\xC5"
        "berg, Lars",
        1);                                        // Åberg
    box.list.AddString("Dubois, Fran\xE7ois", 2);  // Dubois, François
    box.list.AddString(
        "\xD1\xFA\xF1"
        "ez, Luis",
        3);  // Ñúñez
    box.list.AddString("Nash, Bo", 4);
    box.list.SetCurSel(1);

    EXPECT_TRUE(box.OnKeyDown('A', true));
    EXPECT_TRUE(box.OnKeyDown('B'));
    EXPECT_EQ(box.TopLine(), 0);
    EXPECT_TRUE(box.TopLineMatches());
    EXPECT_TRUE(box.OnKeyDown('N', true));
    EXPECT_EQ(box.TopLine(), 2);
    EXPECT_TRUE(box.TopLineMatches());
    // "NU" reaches Ñúñez; "NA" the plain Nash after it.
    EXPECT_TRUE(box.OnKeyDown('U'));
    EXPECT_EQ(box.TopLine(), 2);
    EXPECT_TRUE(box.OnKeyDown(CTypeAheadBox::kBackspaceKey));
    EXPECT_TRUE(box.OnKeyDown('A'));
    EXPECT_EQ(box.TopLine(), 3);

    // The keyboard's own Å and ñ type themselves and scroll as their plain letters do.
    EXPECT_TRUE(box.OnAccentedLetter('\xE5', true));  // å
    EXPECT_EQ(box.list.EditText(), "\xC5");
    EXPECT_EQ(box.TopLine(), 0);
    EXPECT_TRUE(box.OnAccentedLetter('\xF1', true));  // ñ
    EXPECT_EQ(box.TopLine(), 2);
    // Signs are no letters: × goes on to the control.
    EXPECT_FALSE(box.OnAccentedLetter('\xD7'));

    // "Ab" after Dubois was chosen: Åberg is marked, not Dubois.
    box.list.SetEditText("");
    box.OnKeyDown('D');
    EXPECT_EQ(box.TopLine(), 1);
    EXPECT_TRUE(box.TopLineMatches());
    box.OnKeyDown('X');
    // "DX" begins no line: the list stays where it was, and nothing is marked for Enter.
    EXPECT_EQ(box.TopLine(), 1);
    EXPECT_FALSE(box.TopLineMatches());
    EXPECT_EQ(box.DataOfText(), -1);
    EXPECT_EQ(box.list.GetCurSel(), 1);
}
