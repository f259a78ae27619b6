// Saving a copy of the shown picture, with the save dialog driven for real.

#include "tests/mainwindow/program_fixture.h"

#include "mainwindow/picturepreview.h"
#include "mainwindow/tform1.h"
#include "mainwindow/tsavepicturedialog.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "skin/skin.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

namespace {
std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In the namespace: the name is also the main window's part that saves.
class SaveCopy : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Start({EntryWithPictures("Első", "Kep", 2, 160, 120)});
        target_ = folder_ / "target";
        std::filesystem::create_directories(target_);
    }

    // Clicks the Save face; `inDialog` runs while the dialog is up and decides the outcome.
    void Save(const std::function<void(TSavePictureDialog&)>& inDialog) {
        QTimer::singleShot(0, [inDialog] {
            auto* dialog = qobject_cast<TSavePictureDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            inDialog(*dialog);
        });
        QTest::mouseClick(Main().Image8, Qt::LeftButton, {}, QPoint(3, 3));
    }

    static void Accept(TSavePictureDialog& dialog, const std::filesystem::path& path) {
        Type(dialog, path.parent_path(), path.filename().string());
    }
    // The name as typed into the name field, in the folder shown.
    static void Type(TSavePictureDialog& dialog, const std::filesystem::path& folder,
                     const std::string& typed) {
        dialog.setDirectory(QString::fromStdString(folder.string()));
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        name->setText(QString::fromStdString(typed));
        QTest::keyClick(name, Qt::Key_Return);
    }

    // Answers the replace question when it comes; notes its text.
    void AnswerReplace(QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, [this, answer] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!question) {
                AnswerReplace(answer); // the name is still being typed
                return;
            }
            questions_ << question->text();
            question->button(answer)->click();
        });
    }

    std::string Source() { return FileBytes(folder_ / "images" / "Kep1.jpg"); }
    QStringList questions_;
    std::filesystem::path target_;
};

TEST_F(SaveCopy, ProposesTheBareNameAndOffersThePictureFilters) {
    QString proposed;
    QStringList filters;
    Save([&](TSavePictureDialog& dialog) {
        proposed = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
        filters = dialog.FilterRows();
        dialog.reject();
    });
    EXPECT_EQ(proposed, "Kep1.jpg");
    EXPECT_EQ(filters,
              QStringList({"All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)", "JPEG Image File (*.jpg)",
                           "JPEG Image File (*.jpeg)", "Bitmaps (*.bmp)", "Icons (*.ico)",
                           "Enhanced Metafiles (*.emf)", "Metafiles (*.wmf)"}));
    EXPECT_TRUE(std::filesystem::is_empty(target_));
}

TEST_F(SaveCopy, NamesAreLowerCasedAndGetJpgUnlessTheyHoldIt) {
    Save([&](TSavePictureDialog& dialog) { Accept(dialog, target_ / "Kep.JPG"); });
    EXPECT_EQ(FileBytes(target_ / "kep.jpg"), Source());
    Save([&](TSavePictureDialog& dialog) { Accept(dialog, target_ / "copy.jpeg"); });
    EXPECT_TRUE(std::filesystem::exists(target_ / "copy.jpeg.jpg"));
    // ".jpg" anywhere in the path counts, even in a folder's name.
    std::filesystem::create_directories(target_ / "x.jpg");
    Save([&](TSavePictureDialog& dialog) { Accept(dialog, target_ / "x.jpg" / "Copy"); });
    EXPECT_EQ(FileBytes(target_ / "x.jpg" / "copy"), Source());
    // Accented capitals keep their case.
    Save([&](TSavePictureDialog& dialog) { Accept(dialog, target_ / "ÉKES"); });
    EXPECT_TRUE(std::filesystem::exists(target_ / "Ékes.jpg"));
    EXPECT_TRUE(reports_.empty());
}

TEST_F(SaveCopy, PickingAFileTypeKeepsTheName) {
    Save([&](TSavePictureDialog& dialog) {
        dialog.setDirectory(QString::fromStdString(target_.string()));
        // As a user picks them: down to "Bitmaps (*.bmp)", then back to "All (…;*.wmf)".
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home})
            QTest::keyClick(dialog.findChild<QComboBox*>("fileTypeCombo"), key);
        QTest::keyClick(dialog.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(FileBytes(target_ / "kep1.jpg"), Source());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target_), {}), 1);
}

TEST_F(SaveCopy, AsksBeforeReplacingAFileAlsoThroughAFolderClimbedOut) {
    std::ofstream(target_ / "kep.jpg") << "old";
    std::ofstream(target_ / "notes") << "notes";
    std::filesystem::create_directories(target_ / "x.jpg");
    bool stillOpen = false;
    Save([&](TSavePictureDialog& dialog) {
        AnswerReplace(QMessageBox::No);
        Accept(dialog, target_ / "kep.jpg");
        // "No" leaves the user in the dialog to choose another name.
        stillOpen = QApplication::activeModalWidget() == &dialog;
        dialog.reject();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(FileBytes(target_ / "kep.jpg"), "old");
    EXPECT_EQ(questions_, QStringList({"kep.jpg már létezik.\nLecseréli?"}));

    // The path the copy really takes is the one asked about and written.
    Save([&](TSavePictureDialog& dialog) {
        AnswerReplace(QMessageBox::Yes);
        Type(dialog, target_, "x.jpg/../KEP.jpg");
    });
    EXPECT_EQ(questions_.size(), 2);
    EXPECT_EQ(FileBytes(target_ / "kep.jpg"), Source());
    // A folder named x.jpg that the path climbs out of gives no ".jpg" to the name.
    Save([&](TSavePictureDialog& dialog) { Type(dialog, target_, "x.jpg/../notes"); });
    EXPECT_EQ(FileBytes(target_ / "notes"), "notes");
    EXPECT_EQ(FileBytes(target_ / "notes.jpg"), Source());
    EXPECT_EQ(questions_.size(), 2);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(SaveCopy, ReplacesAnExistingFileAndRestoresTheCurrentDirectory) {
    std::ofstream(target_ / "kep.jpg") << "old";
    Save([&](TSavePictureDialog& dialog) {
        // Whatever moves the current directory while the dialog is up is undone.
        std::filesystem::current_path(target_);
        AnswerReplace(QMessageBox::Yes);
        Accept(dialog, target_ / "kep.jpg");
    });
    EXPECT_EQ(FileBytes(target_ / "kep.jpg"), Source());
    EXPECT_EQ(std::filesystem::current_path(), folder_);
    // The next picture still loads from the start directory.
    QTest::mouseClick(Main().imageprev[1], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(View().CurrentPicturePath, "/images/Kep2.jpg");

    Save([&](TSavePictureDialog& dialog) {
        std::filesystem::current_path(target_);
        dialog.reject();
    });
    EXPECT_EQ(std::filesystem::current_path(), folder_);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(SaveCopy, FailedCopyIsReportedWithTargetAndReason) {
    Save([&](TSavePictureDialog& dialog) {
        dialog.setDirectory(QString::fromStdString(target_.string()));
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        // The path and the reason are the system's text, shown in their own characters.
        name->setText(QString::fromStdString((folder_ / "hiányzó東" / "kep").string()));
        QTest::keyClick(name, Qt::Key_Return);
    });
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Cannot save the picture to " + (folder_ / "hiányzó東").string() +
                               "/kep.jpg: " + std::strerror(ENOENT) + ".");
}

TEST_F(SaveCopy, NameLongerThanThePlatformAllowsIsReportedNotCut) {
    // The dialog itself takes names up to the platform's 255 bytes; ".jpg" makes this one 257.
    const std::string longName(253, 'k');
    Save([&](TSavePictureDialog& dialog) { Accept(dialog, target_ / longName); });
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(longName + ".jpg: File name too long"), std::string::npos)
        << reports_[0];
    EXPECT_TRUE(std::filesystem::is_empty(target_));
}

TEST_F(SaveCopy, PreviewShowsTheSelectedPicture) {
    std::ofstream(target_ / "notes.txt") << "not a picture";
    WriteJpeg("target/large.jpg", 1600, 1200, QColor(10, 20, 30));
    QString pictureCaption, textCaption;
    bool pictureEnabled = false, textEnabled = true;
    QSize largeBitmap;
    Save([&](TSavePictureDialog& dialog) {
        PicturePreview& preview = *dialog.Preview();
        preview.ShowFile(QString::fromStdString((target_ / "large.jpg").string()));
        largeBitmap = preview.Picture().Graphic()->ToImage().size();
        preview.ShowFile(QString::fromStdString((folder_ / "images" / "Kep1.jpg").string()));
        pictureCaption = preview.Caption();
        pictureEnabled = preview.PreviewEnabled();
        preview.ShowFile(QString::fromStdString((target_ / "notes.txt").string()));
        textCaption = preview.Caption();
        textEnabled = preview.PreviewEnabled();
        dialog.reject();
    });
    // The box, a few hundred pixels at most, gets a bitmap scaled down by libjpeg.
    EXPECT_LT(largeBitmap.width(), 1600);
    EXPECT_GT(largeBitmap.width(), 0);
    EXPECT_EQ(pictureCaption, " (160x120)");
    EXPECT_TRUE(pictureEnabled);
    EXPECT_EQ(textCaption, "Picture:");
    EXPECT_FALSE(textEnabled);
}

class SystemText : public ProgramTest {};

TEST_F(SystemText, MessagesShowPathsInTheirOwnCharacters) {
    // The start folder's name is the file system's UTF-8.
    const std::filesystem::path accented = folder_.string() + "-Múzeum";
    std::filesystem::rename(folder_, accented);
    folder_ = accented;
    Start({EntryWithPictures("Első", "Kep", 1)});
    std::filesystem::remove(folder_ / "radioon.jpg");
    QTest::mouseClick(Main().RadioImage2, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], "Cannot open file " + folder_.string() + "/radioon.jpg.");
}

TEST(PreviewFit, SmallPicturesAreCentredLargeOnesFitFromTheCorner) {
    EXPECT_EQ(PreviewTarget({100, 50}, {150, 150}), QRect(25, 50, 100, 50));
    EXPECT_EQ(PreviewTarget({300, 150}, {150, 150}), QRect(0, 0, 150, 75));
    EXPECT_EQ(PreviewTarget({150, 301}, {150, 150}), QRect(0, 0, 75, 150));
}

} // namespace
