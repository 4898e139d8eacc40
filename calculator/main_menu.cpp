// The main menu of the calculator window: 計算 and ﾍﾙﾌﾟ.
#include "calculator/mode_table.h"
#include "calculator/vadelon_form.h"
#include "platform/platform.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace vadelon {

void TVadelonForm::BuildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    auto item = [this](QMenu* menu, const char* name, const QString& caption, const QString& hint) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(hint);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* action = menu->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    QMenu* N2 = MainMenu1->addMenu(QStringLiteral("計算(&C)"));
    N2->setObjectName(QStringLiteral("N2"));
    N2->menuAction()->setObjectName(QStringLiteral("N2"));
    N2->menuAction()->setStatusTip(QStringLiteral("計算種別の選択や、計算を実行します。"));
    modeMenuGroup_ = new QActionGroup(this);
    modeMenuGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    // One radio item per mode, in the order of the modes.
    for (const ModeRow& look : ModeTable()) {
        QAction* action = item(N2, look.menuName, QString::fromUtf8(look.menuCaption), QString::fromUtf8(look.hint));
        action->setCheckable(true);
        modeMenuGroup_->addAction(action);
    }
    separator(N2, "N4");
    QAction* R1 = item(N2, "R1", QStringLiteral("計算実行(&R)"), QStringLiteral("計算を実行します。"));
    connect(R1, &QAction::triggered, this, &TVadelonForm::RunCalculation);
    QAction* Clear1 = item(N2, "Clear1", QStringLiteral("ｸﾘｱ(&C)"), QStringLiteral("すべての欄の数値を消去します。"));
    connect(Clear1, &QAction::triggered, this, &TVadelonForm::ClearAll);
    QAction* Calendar1 = item(N2, "Calendar1", QStringLiteral("ｶﾚﾝﾀﾞｰ(&K)"),
                              QStringLiteral("祝日・六曜・旧暦の入った月のカレンダーを表示します。"));
    connect(Calendar1, &QAction::triggered, this, [this] {
        if (calendar_)
            calendar_();
    });
    QAction* Period1 = item(N2, "Period1", QStringLiteral("年齢と期間(&P)"),
                            QStringLiteral("生年月日からの満年齢・数え年・学歴の年と、期間の満了日を求めます。"));
    connect(Period1, &QAction::triggered, this, [this] {
        if (period_)
            period_();
    });
    separator(N2, "N6");
    QAction* Exit1 = item(N2, "Exit1", QStringLiteral("終了(&X)"), QStringLiteral("ヴァデロンを終了します。"));
    connect(Exit1, &QAction::triggered, this, &TVadelonForm::close);

    QMenu* Help1 = MainMenu1->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setStatusTip(QStringLiteral("ヘルプやバージョン情報を表示します。"));
    SearchforHelpOn1 = item(Help1, "SearchforHelpOn1", QStringLiteral("ﾄﾋﾟｯｸの検索(&S)"),
                            QStringLiteral("ヘルプトピックの検索画面を表示します。"));
    connect(SearchforHelpOn1, &QAction::triggered, this, [this] { platform_.ShowHelpFinder(this, kHelpFile); });
    separator(Help1, "N5");
    QAction* About1 = item(Help1, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"),
                           QStringLiteral("バージョンや著作権情報を表示します。"));
    connect(About1, &QAction::triggered, this, [this] {
        if (aboutBox_)
            platform_.RunModal(aboutBox_());
    });
}

}  // namespace vadelon
