#include "gui/shell/FirstStartDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"

FirstStartDialog::FirstStartDialog()
{
    setObjectName(QStringLiteral("firstStartDialog"));
    setWindowTitle(QStringLiteral("ヌルガタ　はじめての起動"));
    setFont(JapaneseFonts::dialogFont());
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    auto* question = new QLabel(QStringLiteral("過去の当せん番号（過去データ）が、まだありません。\n"
                                               "どれで始めるかを選んで下さい。"),
                                this);
    grid->addWidget(question, 0, 0, 1, 2);
    addChoice(Choice::Example, QStringLiteral("見本で試す(&M)"),
              QStringLiteral("乱数で作った過去データの例で、画面と機能を試します。\n"
                             "本当の抽せん結果ではありません。あとで自分の過去データに置き換えられます。"),
              QStringLiteral("exampleButton"));
    addChoice(Choice::CsvFile, QStringLiteral("CSV ファイルから始める(&C)"),
              QStringLiteral("自分で記録した過去データを CSV ファイルから読み込みます。"), QStringLiteral("csvButton"));
    addChoice(Choice::UpdatePage, QStringLiteral("結果の表を貼り付けて始める(&H)"),
              QStringLiteral("当せん番号の一覧のページをブラウザで開き、その表をコピーして取り込みます\n"
                             "（本数字データの更新と同じ手順です）。"),
              QStringLiteral("updatePageButton"));
    addChoice(Choice::Quit, QStringLiteral("終了(&X)"), QStringLiteral("何も作らずに終わります。"),
              QStringLiteral("quitButton"));
}

void FirstStartDialog::addChoice(Choice choice, const QString& button, const QString& explanation, const QString& name)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* push = new QPushButton(button, this);
    push->setObjectName(name);
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, [this, choice] {
        m_choice = choice;
        accept();
    });
    grid->addWidget(push, row, 0);
    grid->addWidget(new QLabel(explanation, this), row, 1);
}

FirstStartDialog::Choice FirstStartDialog::ask()
{
    FirstStartDialog dialog;
    MessageService::exec(dialog);
    return dialog.m_choice;
}
