// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/SingleFileActions.h"
#include "actions/PicturePreview.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{
struct Fixture
{
    TempTree tree;
    ResultModel model;
    ScriptedPrompter prompter;
    FakeDesktop desktop;
    SingleFileActions actions{model, prompter, desktop};

    Fixture()
    {
        loadRows(model, {scannedRow(tree.file(QStringLiteral("a/one.txt"), "1"), 1, true),
                         scannedRow(tree.file(QStringLiteral("b/one.txt"), "1"), 1),
                         scannedRow(tree.file(QStringLiteral("a/two.txt"), "22"), 2, true),
                         scannedRow(tree.file(QStringLiteral("b/two.txt"), "22"), 2, true),
                         scannedRow(tree.file(QStringLiteral("c/two.txt"), "22"), 2)});
    }
};

const QString kForbidden = QStringLiteral("A file name cannot contain any of the following characters:\n"
                                          "\\ / : * ? \" <> |");
} // namespace

TEST(SingleFileActions, RenameRefusesBadNamesAndTakenOnes)
{
    Fixture f;
    f.tree.file(QStringLiteral("a/taken.txt"), "someone else's");
    f.prompter.expectInput(QStringLiteral("Rename"), QStringLiteral("bad?.txt"))
        .expectMessage(QStringLiteral("Error"), kForbidden, PromptAnswer::Ok)
        .expectInput(QStringLiteral("Rename"), QStringLiteral("taken.txt"))
        .expectMessage(QStringLiteral("Error"),
                       QStringLiteral("Cannot rename \"one.txt\".\nA file named \"taken.txt\" already exists."),
                       PromptAnswer::Ok);
    f.actions.renameFile(0);
    EXPECT_EQ(f.model.row(0).name(), QStringLiteral("one.txt"));
    QFile taken(f.tree.path(QStringLiteral("a/taken.txt")));
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), "someone else's");
    EXPECT_EQ(f.prompter.asked()[0].prompt.text, QStringLiteral("Please type new name for\none.txt"));

    for (const char c : QByteArray("\\/:*?\"<>|"))
        EXPECT_TRUE(SingleFileActions::hasForbiddenCharacter(QStringLiteral("a") + QLatin1Char(c))) << c;
    EXPECT_FALSE(SingleFileActions::hasForbiddenCharacter(QStringLiteral("a b;c.txt")));
}

TEST(SingleFileActions, RenameEndsQuietlyOnNoAnswer)
{
    Fixture f;
    f.prompter.expectInput(QStringLiteral("Rename"), std::nullopt)
        .expectInput(QStringLiteral("Rename"), QStringLiteral("   "))
        .expectInput(QStringLiteral("Rename"), QStringLiteral("one.txt"));
    for (int i = 0; i < 3; ++i)
        f.actions.renameFile(0);
    EXPECT_EQ(f.model.row(0).name(), QStringLiteral("one.txt"));
}

TEST(SingleFileActions, RenameRenamesTheFileAndTheRow)
{
    Fixture f;
    f.prompter.expectInput(QStringLiteral("Rename"), QStringLiteral("One.txt"));
    f.actions.renameFile(0);
    EXPECT_EQ(f.model.row(0).name(), QStringLiteral("One.txt"));
    EXPECT_TRUE(statFile(f.tree.path(QStringLiteral("a/One.txt"))).exists);
    EXPECT_FALSE(statFile(f.tree.path(QStringLiteral("a/one.txt"))).exists);
    EXPECT_TRUE(f.model.isMarked(0));
}

TEST(SingleFileActions, OpeningAndShowing)
{
    Fixture f;
    f.actions.openFile(1);
    f.desktop.answer = Desktop::OpenResult::Failed;
    f.actions.openFile(1); // other failures are silent
    f.desktop.answer = Desktop::OpenResult::NoAssociatedProgram;
    f.prompter.expectMessage(QStringLiteral("Error"),
                             QStringLiteral("There is no program associated with the specified type of file."),
                             PromptAnswer::Ok);
    f.actions.openFile(1);
    EXPECT_EQ(f.desktop.opened.size(), 3);

    f.desktop.opened.clear();
    f.actions.openMarkedFiles(); // silent, whatever the answer
    EXPECT_EQ(f.desktop.opened,
              (QStringList{f.tree.path(QStringLiteral("a/one.txt")), f.tree.path(QStringLiteral("a/two.txt")),
                           f.tree.path(QStringLiteral("b/two.txt"))}));

    f.actions.openFolder(4);
    f.actions.copyPath(4);
    f.actions.copyPath(5); // no such row
    EXPECT_EQ(f.desktop.shown, QStringList{f.tree.path(QStringLiteral("c/two.txt"))});
    EXPECT_EQ(f.desktop.clipboard, f.tree.path(QStringLiteral("c/two.txt")));

    EXPECT_FALSE(SingleFileActions::doubleClickOpens(300));
    EXPECT_TRUE(SingleFileActions::doubleClickOpens(301));
}

TEST(SingleFileActions, RemovingMarkedRowsTouchesNoFile)
{
    Fixture f;
    EXPECT_EQ(f.actions.removeMarkedFromList(false), 3);
    // The pair of one.txt lost a row and leaves as a group of one; two.txt is left alone too.
    EXPECT_TRUE(f.model.isEmpty());
    EXPECT_TRUE(statFile(f.tree.path(QStringLiteral("a/one.txt"))).exists);

    f.prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("No items marked/checked"), PromptAnswer::Ok);
    EXPECT_EQ(f.actions.removeMarkedFromList(false), 0);

    Fixture zero;
    zero.actions.removeMarkedFromList(true);
    EXPECT_EQ(namesOf(zero.model), (std::vector<QString>{QStringLiteral("one.txt"), QStringLiteral("two.txt")}));
}

TEST(PicturePreview, ExtensionTestAndSteps)
{
    const struct
    {
        const char *name;
        bool picture;
    } cases[] = {{"photo.JPG", true}, {"photo.jpeg", true}, {"scan.bmp", true},
                 {"icon.ico", true},  {"notes.txt", false}, {"clip.gif", true},
                 {"x.png", true},     {"x.tiff", false},    {"", false}};
    for (const auto &c : cases)
        EXPECT_EQ(PicturePreview::isPictureFile(QString::fromLatin1(c.name)), c.picture) << c.name;

    using PicturePreview::Step;
    EXPECT_EQ(PicturePreview::previewStep(false, true, QStringLiteral("a.jpg")), Step::Nothing);
    EXPECT_EQ(PicturePreview::previewStep(true, false, QStringLiteral("a.jpg")), Step::Nothing);
    EXPECT_EQ(PicturePreview::previewStep(true, true, QStringLiteral("a.jpg")), Step::Show);
    EXPECT_EQ(PicturePreview::previewStep(true, true, QStringLiteral("a.txt")), Step::Hide);
    EXPECT_EQ(PicturePreview::previewStep(true, true, QStringLiteral("a.webp"), true), Step::Show);
}

// In a list of similar pictures the viewer shows the selected picture beside its group's largest,
// wherever a sort moved that one; in any other list nothing is paired.
TEST(PicturePreview, APictureIsPairedWithItsGroupsLargest)
{
    ResultModel model;
    std::vector<ResultRow> rows;
    const struct
    {
        const char *name;
        const char *dimensions;
        qint64 size;
        qint32 group;
    } entries[] = {{"half.jpg", "2016 x 1512 JPEG", 700000, 1},
                   {"full.png", "4032 x 3024 PNG", 9000000, 1},
                   {"full.jpg", "4032 x 3024 JPEG", 3000000, 1},
                   {"other.gif", "640 x 480 GIF", 50000, 2}};
    for (const auto &e : entries)
    {
        ResultRow r;
        r.setName(QString::fromLatin1(e.name));
        r.path = QStringLiteral("/p/");
        r.setVersion(QString::fromLatin1(e.dimensions));
        r.size = e.size;
        r.group = e.group;
        rows.push_back(r);
    }
    model.setRows(std::move(rows));
    EXPECT_FALSE(PicturePreview::pairOf(model, 0, QLocale::c())) << "not a list of similar pictures";
    RowAnchors anchors;
    anchors.origin.kind = ListKind::SimilarPictures;
    model.setAnchors(anchors);

    const auto pair = PicturePreview::pairOf(model, 0, QLocale::c());
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->selected, (PicturePreview::Shown{QStringLiteral("/p/half.jpg"),
                                                     QStringLiteral("half.jpg\n2016 x 1512 JPEG, 700000 bytes")}));
    ASSERT_TRUE(pair->first);
    EXPECT_EQ(pair->first->caption, QStringLiteral("full.png\n4032 x 3024 PNG, 9000000 bytes"))
        << "of equal pixels, the longer file";
    EXPECT_EQ(PicturePreview::pairOf(model, 1, QLocale::c())->first, std::nullopt) << "the largest stands alone";
    EXPECT_EQ(PicturePreview::pairOf(model, 3, QLocale::c())->first, std::nullopt) << "alone in its group";
    EXPECT_FALSE(PicturePreview::pairOf(model, 4, QLocale::c()));
}
