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
#include <iterator>

namespace vadelon {

namespace {

const QString kOpenHint = QStringLiteral("テキストファイルを開きます");
const QString kPrintHint = QStringLiteral("テキストを印刷します");
const QString kSelectAllHint = QStringLiteral("テキストの全てを選択します");

// The editing commands, each once: the main-menu item, the popup item (whose
// caption may differ) and the tool button that offer it, the one handler and
// hint they share, and the rule that enables all three (UpdateEditCommands).
struct EditCommand {
    const char* menuItem;
    const char* menuCaption;
    const char* popupItem;
    const char* popupCaption;
    const char* toolButton;
    const char* spokenName;  // the tool button's, for a screen reader
    ToolPicture picture;
    const char* hint;
    void (TKoyomiForm::*handler)();
    EditEnabling rule;
};

const EditCommand kEditCommands[] = {
    {"Cut1", "切り取り(&T)", "Cut2", "切り取り(&T)", "ToolButton6", "切り取り", ToolPicture::Scissors,
     "選択範囲を切り取ります", &TKoyomiForm::Cut1Click, EditEnabling::Selection},
    {"Copy1", "ｺﾋﾟｰ(&C)", "C1", "コピー(&C)", "ToolButton7", "コピー", ToolPicture::TwoPages,
     "クリップポードにコピーします", &TKoyomiForm::Copy1Click, EditEnabling::Selection},
    {"Paste1", "貼り付け(&P)", "Paste2", "貼り付け(&P)", "ToolButton8", "貼り付け", ToolPicture::GlueTube,
     "クリップボードからテキストを貼り付けます", &TKoyomiForm::Paste1Click, EditEnabling::ClipboardHasText},
    {"Delete1", "削除(&D)", "Delete2", "削除(&D)", "ToolButton9", "削除", ToolPicture::Eraser, "選択範囲を削除します",
     &TKoyomiForm::Delete1Click, EditEnabling::Selection},
};

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
    static_assert(std::size(kEditCommands) == std::tuple_size_v<decltype(editCommands_)>);
    for (std::size_t i = 0; i < editCommands_.size(); ++i) {
        const EditCommand& command = kEditCommands[i];
        editCommands_[i].rule = command.rule;
        editCommands_[i].menuItem = AddMenuItem(Edit1, command.menuItem, QString::fromUtf8(command.menuCaption),
                                                QString::fromUtf8(command.hint), command.handler);
    }
    AddSeparator(Edit1, "N4");
    AddMenuItem(Edit1, "SelectAll1", QStringLiteral("すべて選択(&A)"), kSelectAllHint, &TKoyomiForm::SelectAll1Click);

    QMenu* Help1 = AddMenu(MainMenu1, "Help1", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    AddMenuItem(Help1, "SearchforHelpOn1", QStringLiteral("ﾄﾋﾟｯｸの検索(&S)..."),
                QStringLiteral("ヘルプトピックの検索ダイアログを表示します"), &TKoyomiForm::SearchforHelpOn1Click);
    // F1, the key for help on every desktop; the menu item itself has no shortcut.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TKoyomiForm::SearchforHelpOn1Click);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (std::size_t i = 0; i < editCommands_.size(); ++i) {
        const EditCommand& command = kEditCommands[i];
        editCommands_[i].popupItem = AddMenuItem(PopupMenu1, command.popupItem, QString::fromUtf8(command.popupCaption),
                                                 QString::fromUtf8(command.hint), command.handler);
    }
    AddSeparator(PopupMenu1, "N1");
    AddMenuItem(PopupMenu1, "rw1", QStringLiteral("すべて選択(&A)"), kSelectAllHint, &TKoyomiForm::SelectAll1Click);
}

QToolButton* TKoyomiForm::AddToolButton(const char* objectName, const QString& name, ToolPicture picture,
                                        const QString& hint, void (TKoyomiForm::*command)())
{
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(objectName));
    button->setIcon(QIcon(PaintToolPicture(picture)));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(23, 22);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAccessibleName(name);
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
    // A picture has no words: each button is named by its command, for a screen reader.
    AddToolButton("ToolButton2", QStringLiteral("開く"), ToolPicture::OpenFolder, kOpenHint,
                  &TKoyomiForm::OpenTextFile);
    AddToolButton("ToolButton3", QStringLiteral("名前を付けて保存"), ToolPicture::FloppyDisk,
                  QStringLiteral("テキストファイルとして名前をつけて保存します"), &TKoyomiForm::SaveAs1Click);
    AddToolButton("ToolButton4", QStringLiteral("印刷"), ToolPicture::Printer, kPrintHint, &TKoyomiForm::Print1Click);
    ToolBar1->addWidget(MakeGap("ToolButton5", ToolBar1));
    for (std::size_t i = 0; i < editCommands_.size(); ++i) {
        const EditCommand& command = kEditCommands[i];
        editCommands_[i].toolButton = AddToolButton(command.toolButton, QString::fromUtf8(command.spokenName),
                                                    command.picture, QString::fromUtf8(command.hint), command.handler);
    }
    Label3 = new QLabel(ToolBar1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFixedWidth(8);
    ToolBar1->addWidget(Label3);
}

}  // namespace vadelon
