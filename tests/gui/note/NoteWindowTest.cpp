// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Пояснительная записка" from the main window's command, offscreen in the Russian
// locale: before a calculation, after one, after the inputs changed; saving its ODT and HTML.

#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

#include "gui/note/NoteWindow.h"
#include "support/WindowsFixture.h"

using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

// What the note window showed when the main window opened it, and whether it could be saved.
struct Shown {
    QString text;
    bool canSave = false;
};

Shown showNote(fundis::MainWindow& main, fundis::ScriptedDialogs& dialogs,
               const std::function<void(fundis::NoteWindow&)>& inside = {}) {
    Shown shown;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* note = qobject_cast<fundis::NoteWindow*>(&dialog)) {
            shown.text = note->text()->toPlainText();
            shown.canSave = note->saveButton()->isEnabled();
            if (inside) {
                inside(*note);
            }
        }
        return int(QDialog::Accepted);
    };
    main.findChild<QAction*>(QStringLiteral("showNote"))->trigger();  // "Расчет" → "Пояснительная записка"
    return shown;
}

}  // namespace

// Before a calculation the note says what to do first and cannot be saved. After one: the window
// within the screen; the numbers with the decimal comma, the stale line once the inputs change, the note
// saved as ODT and as HTML with the scheme inline (the note's content NoteTest checks, the documents'
// check-note-documents.py on every sample)
TEST_F(WindowsFixture, NoteOfTheLastCalculation) {
    Shown shown = showNote(*main, dialogs);
    EXPECT_TRUE(shown.text.contains(QStringLiteral("Сначала выполните расчет.")));
    EXPECT_FALSE(shown.canSave);
    EXPECT_TRUE(dialogs.shown.contains(QStringLiteral("noteWindow")));

    calculateProject();
    ASSERT_TRUE(main->lastCalculation());
    const float soilR = main->lastCalculation()->calculation.base.R;
    const QString R = QLocale().toString(static_cast<double>(soilR), 'f', 3);
    ASSERT_TRUE(R.contains(QLatin1Char(',')));

    const QString odt = dataPath(QStringLiteral("note.odt"));
    const QString html = dataPath(QStringLiteral("note.html"));
    dialogs.files = {odt, html};
    shown = showNote(*main, dialogs, [](fundis::NoteWindow& window) {
        window.show();
        const QRect available = window.screen()->availableGeometry();
        EXPECT_TRUE(window.width() <= available.width() && window.height() <= available.height());
        window.saveNote();
        window.saveNote();
    });
    EXPECT_TRUE(shown.canSave);
    EXPECT_TRUE(shown.text.contains(QStringLiteral(" = %1 кПа").arg(R)));
    EXPECT_FALSE(shown.text.contains(QStringLiteral("изменены после расчета")));
    const QByteArray zip = readFile(odt);
    EXPECT_TRUE(zip.startsWith("PK") && zip.contains("cm\""));  // the page's sizes, with a point here
    EXPECT_FALSE(
        QRegularExpression(QStringLiteral("\\d,\\d+(cm|mm)\"")).match(QString::fromUtf8(zip)).hasMatch());
    const QByteArray page = readFile(html);
    EXPECT_TRUE(page.contains("<svg") && page.contains(QStringLiteral("%1 кПа").arg(R).toUtf8()));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QStringLiteral("; ")).toStdString();

    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1700"));
    emit input->formEdited();
    shown = showNote(*main, dialogs);
    EXPECT_TRUE(shown.text.contains(QStringLiteral("Исходные данные изменены после расчета")));
    EXPECT_TRUE(shown.text.contains(QStringLiteral(" = %1 кПа").arg(R)));  // still the last calculation
}
