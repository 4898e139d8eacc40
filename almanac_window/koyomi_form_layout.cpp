// The almanac window's menus and tool bar.
#include "almanac_window/koyomi_form.h"

#include "almanac_window/toolbar_pictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace vadelon {

namespace {

const QString kOpenHint = QStringLiteral("テキストファイルを開きます");
const QString kPrintHint = QStringLiteral("テキストを印刷します");
const QString kCutHint = QStringLiteral("選択範囲を切り取ります");
const QString kCopyHint = QStringLiteral("クリップポードにコピーします");
const QString kPasteHint = QStringLiteral("クリップボードからテキストを貼り付けます");
const QString kDeleteHint = QStringLiteral("選択範囲を削除します");
const QString kSelectAllHint = QStringLiteral("テキストの全てを選択します");

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void AddSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QWidget* MakeGap(const char* name, QWidget* parent)
{
    auto* gap = new QLabel(parent);
    gap->setObjectName(QLatin1String(name));
    gap->setFixedWidth(8);
    return gap;
}

}  // namespace

QAction* TKoyomiForm::AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                                  void (TKoyomiForm::*command)())
{
    // Owned by the window: a popup menu's hint is sent to the item's parent,
    // and it has to reach this window's event().
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
    return action;
}

void TKoyomiForm::BuildMenus()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* File1 = AddMenu(MainMenu1, "File1", QStringLiteral("ﾌｧｲﾙ(&F)"));
    AddMenuItem(File1, "Open1", QStringLiteral("開く(&O)"), kOpenHint, &TKoyomiForm::OpenTextFile);
    AddMenuItem(File1, "SaveAs1", QStringLiteral("名前を付けて保存(&A)"),
                QStringLiteral("テキストファイルとして保存します"), &TKoyomiForm::SaveAs1Click);
    AddSeparator(File1, "N2");
    AddMenuItem(File1, "Print1", QStringLiteral("印刷(&P)"), kPrintHint, &TKoyomiForm::Print1Click);
    AddSeparator(File1, "N3");
    AddMenuItem(File1, "Exit1", QStringLiteral("終了(&X)"), QStringLiteral("ロザムを終了します"),
                &TKoyomiForm::Exit1Click);

    QMenu* Edit1 = AddMenu(MainMenu1, "Edit1", QStringLiteral("編集(&E)"));
    Cut1 = AddMenuItem(Edit1, "Cut1", QStringLiteral("切り取り(&T)"), kCutHint, &TKoyomiForm::Cut1Click);
    Copy1 = AddMenuItem(Edit1, "Copy1", QStringLiteral("ｺﾋﾟｰ(&C)"), kCopyHint, &TKoyomiForm::Copy1Click);
    Paste1 = AddMenuItem(Edit1, "Paste1", QStringLiteral("貼り付け(&P)"), kPasteHint, &TKoyomiForm::Paste1Click);
    Delete1 = AddMenuItem(Edit1, "Delete1", QStringLiteral("削除(&D)"), kDeleteHint, &TKoyomiForm::Delete1Click);
    AddSeparator(Edit1, "N4");
    AddMenuItem(Edit1, "SelectAll1", QStringLiteral("すべて選択(&A)"), kSelectAllHint,
                &TKoyomiForm::SelectAll1Click);

    QMenu* Help1 = AddMenu(MainMenu1, "Help1", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    AddMenuItem(Help1, "SearchforHelpOn1", QStringLiteral("ﾄﾋﾟｯｸの検索(&S)..."),
                QStringLiteral("ヘルプトピックの検索ダイアログを表示します"), &TKoyomiForm::SearchforHelpOn1Click);
    // F1, the key for help on every desktop; the menu item itself has no shortcut.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TKoyomiForm::SearchforHelpOn1Click);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Cut2 = AddMenuItem(PopupMenu1, "Cut2", QStringLiteral("切り取り(&T)"), kCutHint, &TKoyomiForm::Cut1Click);
    C1 = AddMenuItem(PopupMenu1, "C1", QStringLiteral("コピー(&C)"), kCopyHint, &TKoyomiForm::Copy1Click);
    Paste2 = AddMenuItem(PopupMenu1, "Paste2", QStringLiteral("貼り付け(&P)"), kPasteHint, &TKoyomiForm::Paste1Click);
    Delete2 = AddMenuItem(PopupMenu1, "Delete2", QStringLiteral("削除(&D)"), kDeleteHint, &TKoyomiForm::Delete1Click);
    AddSeparator(PopupMenu1, "N1");
    AddMenuItem(PopupMenu1, "rw1", QStringLiteral("すべて選択(&A)"), kSelectAllHint, &TKoyomiForm::SelectAll1Click);
}

QToolButton* TKoyomiForm::AddToolButton(const char* name, int picture, const QString& hint,
                                        void (TKoyomiForm::*command)())
{
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(PaintToolPicture(static_cast<ToolPicture>(picture))));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(23, 22);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    connect(button, &QToolButton::clicked, this, command);
    ToolBar1->addWidget(button);
    return button;
}

void TKoyomiForm::BuildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(28);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    ToolBar1->addWidget(MakeGap("ToolButton1", ToolBar1));
    ToolButton2 = AddToolButton("ToolButton2", 0, kOpenHint, &TKoyomiForm::OpenTextFile);
    ToolButton3 = AddToolButton("ToolButton3", 1, QStringLiteral("テキストファイルとして名前をつけて保存します"),
                                &TKoyomiForm::SaveAs1Click);
    ToolButton4 = AddToolButton("ToolButton4", 2, kPrintHint, &TKoyomiForm::Print1Click);
    ToolBar1->addWidget(MakeGap("ToolButton5", ToolBar1));
    ToolButton6 = AddToolButton("ToolButton6", 3, kCutHint, &TKoyomiForm::Cut1Click);
    ToolButton7 = AddToolButton("ToolButton7", 4, kCopyHint, &TKoyomiForm::Copy1Click);
    ToolButton8 = AddToolButton("ToolButton8", 5, kPasteHint, &TKoyomiForm::Paste1Click);
    ToolButton9 = AddToolButton("ToolButton9", 6, kDeleteHint, &TKoyomiForm::Delete1Click);
    Label3 = new QLabel(ToolBar1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFixedWidth(8);
    ToolBar1->addWidget(Label3);
}

}  // namespace vadelon
