#include "FormFixture.h"

#include "data/ReferenceTables.h"
#include "platform/DesktopPlatform.h"
#include "ui/common/ProgramIcon.h"
#include "ui/main/Application.h"
#include "ui/main/ClickLabel.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStyle>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTimer>

// Catches what the real platform hands to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

class TstForm1Info : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thisComputersProcessor();
    void noModelNumber_data();
    void noModelNumber();
    void sixCharactersAreEnough();
    void sameNameTwice();
    void switchesToAllWithOneQuery();
    void mendedExtraction_data();
    void mendedExtraction();
    void processorWithoutCoreModel_data();
    void processorWithoutCoreModel();
    void aboutBox();
    void updatePromptNoAndEnter();
    void updatePromptYes();
    void linkLabels();
    void realPlatformOpensTheBrowserOnlyForWebAddresses();
    void failedOpenShowsTheAddress();
    void labelsByKeyboard();
    void assistiveTechnology();
    void refusedStartShowsOneErrorAndLoadsNothing();
    void realMessageBoxesInTheSystemsLanguage();
};

namespace {

// What a live message box showed; it is then answered with Enter.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QImage windowIcon;
    bool selectable = false; // an address or a processor name can be copied
};

Platform::Button showAndPressEnter(Platform &platform, SeenBox &seen, const QString &text, Platform::Icon icon,
                                   Platform::Buttons buttons, Platform::Button defaultButton)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        const QList<QAbstractButton *> all = box->buttons();
        for (const QAbstractButton *b : all)
            seen.buttons.append(b->text());
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen.windowIcon = box->windowIcon().pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32);
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        seen.selectable = label && (label->textInteractionFlags() & Qt::TextSelectableByMouse);
        QTest::keyClick(box, Qt::Key_Return);
    });
    return platform.messageBox(nullptr, text, QStringLiteral("系统提示"), icon, buttons, defaultButton);
}

} // namespace

void TstForm1Info::thisComputersProcessor()
{
    FormFixture f;
    f.platform.processors = {QStringLiteral("Intel(R) Core(TM) i7-9850H CPU @ 2.60GHz")};
    QStringList rowsAtReport;
    f.platform.onMessage = [&](const FakePlatform::Message &) { rowsAtReport = f.rowCodes(); };
    f.text("Text2")->setText(QStringLiteral("old"));
    QTest::mouseClick(f.find<QPushButton>("Command6"), Qt::LeftButton);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("i7-9850H"));
    QVERIFY(f.text("Text2")->text().isEmpty());
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.rowCodes(), (QStringList{"C230", "C312"}));
    QCOMPARE(rowsAtReport, f.rowCodes()); // the table is filled behind the report
    QCOMPARE(f.platform.messages.size(), 1);
    const FakePlatform::Message &report = f.platform.messages.constFirst();
    QCOMPARE(report.text, QStringLiteral("本机CPU型号：\r\nIntel(R) Core(TM) i7-9850H CPU @ 2.60GHz"));
    QCOMPARE(report.title, QStringLiteral("系统提示"));
    QCOMPARE(report.icon, Platform::Icon::Information);
    QCOMPARE(report.buttons, Platform::Buttons::Ok);
}

void TstForm1Info::noModelNumber_data()
{
    QTest::addColumn<QStringList>("names");
    // no Core model to cut, and no reading finds the name: the fields stay as they were
    QTest::newRow("in neither table") << QStringList{"Intel(R) Processor N200"};
    QTest::newRow("none at all") << QStringList{};
    QTest::newRow("an engineering sample") << QStringList{"Genuine Intel(R) CPU 0000 @ 2.40GHz"};
    QTest::newRow("five characters") << QStringList{"Core i5-82 x"};
}

void TstForm1Info::noModelNumber()
{
    QFETCH(QStringList, names);
    FormFixture f;
    f.query(QStringLiteral("I3-4340"));
    f.text("Text2")->setText(QStringLiteral("kept"));
    QTest::mouseClick(f.find<QRadioButton>("Option2"), Qt::LeftButton);
    const QString table = f.form->resultText();
    f.platform.messages.clear();
    f.platform.processors = names;
    f.form->Command6_Click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("本机CPU型号：") + (names.isEmpty() ? QString() : QStringLiteral("\r\n") + names[0]));
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("I3-4340"));
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("kept"));
    QVERIFY(f.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(f.form->resultText(), table);
}

void TstForm1Info::sixCharactersAreEnough()
{
    FormFixture f;
    f.platform.processors = {QStringLiteral("Core i5-825 x")};
    f.form->Command6_Click();
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("i5-825"));
}

void TstForm1Info::sameNameTwice()
{
    FormFixture f;
    const QString name = QStringLiteral("Intel(R) Core(TM) i7-9850H CPU @ 2.60GHz");
    f.platform.processors = {name, name};
    f.form->Command6_Click();
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("本机CPU型号：\r\n") + name + QStringLiteral("\r\n") + name);
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("i7-9850H"));
}

void TstForm1Info::switchesToAllWithOneQuery()
{
    FormFixture f;
    f.text("Text1")->setText(QStringLiteral("GeForce"));
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton);
    f.platform.messages.clear();
    f.platform.processors = {QStringLiteral("Intel Core i7-7700K CPU @ 4.20GHz")};
    int tablesBegun = 0;
    connect(f.find<QTextEdit>("Text8"), &QTextEdit::textChanged, this, [&] {
        if (f.form->resultText().count(u'\n') == 4)
            ++tablesBegun;
    });
    f.form->Command6_Click();
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("1"));
    QCOMPARE(f.rowCodes(), QStringList{QStringLiteral("C290")});
    QCOMPARE(tablesBegun, 1);
    QCOMPARE(f.platform.messages.size(), 1);
}

void TstForm1Info::mendedExtraction_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("model");
    // two families: the earliest marker counts (a sum of positions would point elsewhere)
    QTest::newRow("two families") << QStringList{"Intel Core i9-9900K CPU @ 3.60GHz", "Intel Core i3-8100 CPU @ 3.60GHz"}
                                  << QStringLiteral("i9-9900K");
    // the model number ends with its line, not in the next name
    QTest::newRow("line ends first") << QStringList{"Intel Core i7-9850H", "Intel Core i5-8250U CPU"} << QStringLiteral("i7-9850H");
}

void TstForm1Info::processorWithoutCoreModel_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("Intel since the 12th generation") << QStringList{"12th Gen Intel(R) Core(TM) i5-12400F"}
                                                     << QStringLiteral("i5-12400F") << QStringList{"N293"};
    QTest::newRow("AMD, in the lists") << QStringList{"AMD Ryzen 7 3700X 8-Core Processor"}
                                       << QStringLiteral("AMD Ryzen 7 3700X 8-Core Processor") << QStringList{"C57"};
    QTest::newRow("Snapdragon") << QStringList{"Snapdragon(R) X Plus - X1P64100 - Qualcomm(R) Oryon(TM) CPU"}
                                << QStringLiteral("Snapdragon(R) X Plus - X1P64100 - Qualcomm(R) Oryon(TM) CPU") << QStringList{"N218*"};
}

void TstForm1Info::processorWithoutCoreModel()
{
    QFETCH(QStringList, names);
    QFETCH(QString, main);
    QFETCH(QStringList, codes);
    FormFixture f;
    f.text("Text2")->setText(QStringLiteral("old"));
    QTest::mouseClick(f.find<QRadioButton>("Option3"), Qt::LeftButton);
    f.platform.messages.clear();
    f.platform.processors = names;
    f.form->Command6_Click();
    QCOMPARE(f.text("Text1")->text(), main);
    QVERIFY(f.text("Text2")->text().isEmpty());
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.rowCodes(), codes);
    QCOMPARE(f.platform.messages.size(), 1); // the report, as for a Core model
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("本机CPU型号：\r\n") + names[0]);
}

void TstForm1Info::mendedExtraction()
{
    QFETCH(QStringList, names);
    QFETCH(QString, model);
    FormFixture f;
    f.platform.processors = names;
    f.form->Command6_Click();
    QCOMPARE(f.text("Text1")->text(), model);
    QCOMPARE(f.platform.messages.size(), 1);
}

void TstForm1Info::aboutBox()
{
    FormFixture f;
    QTest::mouseClick(f.find<QPushButton>("Command4"), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    const FakePlatform::Message &about = f.platform.messages[0];
    QCOMPARE(about.title, QStringLiteral("关于"));
    QCOMPARE(about.icon, Platform::Icon::Information);
    QCOMPARE(about.buttons, Platform::Buttons::Ok);
    const QStringList lines = about.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines, (QStringList{
        f.form->windowTitle() + QStringLiteral("(数据摘自网上测评，仅供参考)。本工具特点：支持组合条件模糊查询，多设备性能对比很友好方便。"),
        QString(),
        QStringLiteral("(更新LOG："),
        QStringLiteral("202019：V0.99b2 发布"),
        QStringLiteral("200222：V0.99b3 修复最后一个或的条件无效BUG及部分功能优化等"),
        QStringLiteral("200229：V0.99b4 增加查询条件的提示及代码优化；界面优化"),
        QStringLiteral(")"),
    }));
    QCOMPARE(about.text.count(u'\n'), about.text.count(QStringLiteral("\r\n"))); // every break is CR LF
}

void TstForm1Info::updatePromptNoAndEnter()
{
    FormFixture f;
    f.form->Command8_Click(); // the fake answers with the default button, as Enter would
    f.platform.setNextAnswers({Platform::Button::No});
    f.form->Command8_Click();
    QCOMPARE(f.platform.messages.size(), 2);
    const FakePlatform::Message &prompt = f.platform.messages[0];
    QCOMPARE(prompt.text, QStringLiteral("当前版本为：") + f.form->windowTitle()
                              + QStringLiteral("。本软件更新下载专用百度网盘链接:https://pan.baidu.com ，您现在前往检查更新吗(提取码为:【mzbt】)？"));
    QVERIFY(!prompt.text.contains(u'\n'));
    QCOMPARE(prompt.title, QStringLiteral("系统提示"));
    QCOMPARE(prompt.icon, Platform::Icon::Information);
    QCOMPARE(prompt.buttons, Platform::Buttons::YesNo);
    QCOMPARE(prompt.defaultButton, Platform::Button::No);
    QVERIFY(f.platform.opened.isEmpty());
}

void TstForm1Info::updatePromptYes()
{
    FormFixture f;
    f.platform.setNextAnswers({Platform::Button::Yes});
    f.form->Command8_Click();
    QCOMPARE(f.platform.opened, QList<QUrl>{QUrl(QStringLiteral("https://pan.baidu.com"))});
}

void TstForm1Info::linkLabels()
{
    FormFixture f;
    QTest::mouseClick(f.find<ClickLabel>("Label6_7"), Qt::LeftButton);
    QTest::mouseClick(f.find<ClickLabel>("Label6_8"), Qt::LeftButton);
    QCOMPARE(f.platform.opened.size(), 2);
    QCOMPARE(f.platform.opened[0].host(), QStringLiteral("baike.baidu.com"));
    QCOMPARE(f.platform.opened[0].path(QUrl::FullyDecoded), QStringLiteral("/item/中央处理器"));
    QCOMPARE(f.platform.opened[1].path(QUrl::FullyDecoded), QStringLiteral("/item/图形处理器"));
    QVERIFY(f.platform.messages.isEmpty());
    // each label its own address, once; a press released outside the label opens nothing
    for (int k = 0; k < ReferenceTables::kLinkCount; ++k) {
        f.platform.opened.clear();
        auto *label = f.find<ClickLabel>(qPrintable(QStringLiteral("Label6_%1").arg(k)));
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-4, -4));
        QVERIFY(f.platform.opened.isEmpty());
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton); // a release with no press of its own
        QCOMPARE(f.platform.opened, QList<QUrl>{QUrl(ReferenceTables::LinkAddresses()[std::size_t(k)])});
        // a screen reader's press opens the same, once
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), label->text());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.platform.opened.size(), 2);
        QCOMPARE(f.platform.opened.constLast(), f.platform.opened.constFirst());
    }
    QCOMPARE(f.platform.opened.constFirst().host(), QStringLiteral("baike.baidu.com")); // the last, Label6_8
}

void TstForm1Info::realPlatformOpensTheBrowserOnlyForWebAddresses()
{
    DesktopPlatform platform;
    int failures = 0;
    const auto failed = [&failures] { ++failures; };
#ifdef Q_OS_WIN
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    platform.openAddress(QUrl(ReferenceTables::LinkAddresses()[7]), failed);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(ReferenceTables::LinkAddresses()[7])});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(failures, 0);
#else
    // an xdg-open of our own, which writes down what it was given and answers as told
    QTemporaryDir bin;
    QFile xdgOpen(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(xdgOpen.open(QIODevice::WriteOnly));
    xdgOpen.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$0.log\"\nexit \"$XDG_OPEN_EXIT\"\n");
    xdgOpen.close();
    xdgOpen.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    qputenv("XDG_OPEN_EXIT", "0");
    platform.openAddress(QUrl(ReferenceTables::LinkAddresses()[7]), failed);
    QTRY_VERIFY(QFile::exists(xdgOpen.fileName() + QStringLiteral(".log")));
    QTest::qWait(50);
    QCOMPARE(failures, 0); // opened: nothing to say
    qputenv("XDG_OPEN_EXIT", "3"); // "no method available for opening"
    platform.openAddress(QUrl(ReferenceTables::LinkAddresses()[0]), failed);
    QTRY_COMPARE(failures, 1);
    qputenv("PATH", path);
    QFile log(xdgOpen.fileName() + QStringLiteral(".log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), QUrl(ReferenceTables::LinkAddresses()[7]).toEncoded() + '\n'
                                + QUrl(ReferenceTables::LinkAddresses()[0]).toEncoded() + '\n');
    failures = 0;
#endif
    // what is no web address never reaches the browser, and is said to have failed
    platform.openAddress(QUrl(QStringLiteral("file:///etc/passwd")), failed);
    platform.openAddress(QUrl(QStringLiteral("https://exa mple.com/bad host")), failed);
    QCOMPARE(failures, 2);
}

void TstForm1Info::failedOpenShowsTheAddress()
{
    FormFixture f;
    f.platform.openFails = true;
    QTest::mouseClick(f.find<ClickLabel>("Label6_0"), Qt::LeftButton);
    f.platform.setNextAnswers({Platform::Button::Yes});
    f.form->Command8_Click();
    QCOMPARE(f.platform.messages.size(), 3); // the prompt's box between
    for (const FakePlatform::Message &m : {f.platform.messages[0], f.platform.messages[2]}) {
        QCOMPARE(m.icon, Platform::Icon::Exclamation);
        QCOMPARE(m.title, QStringLiteral("系统提示"));
    }
    QVERIFY(f.platform.messages[0].text.endsWith(QStringLiteral("\r\n\r\n") + ReferenceTables::LinkAddresses()[0]));
    QVERIFY(f.platform.messages[2].text.endsWith(QStringLiteral("\r\n\r\nhttps://pan.baidu.com")));
}

void TstForm1Info::labelsByKeyboard()
{
    FormFixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    // after the result box come the examples, then the links; a click leaves the focus be
    f.find<QTextEdit>("Text8")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.find<ClickLabel>("Label2_0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text8"));
    f.find<ClickLabel>("Label2_12")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.find<ClickLabel>("Label6_0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.platform.opened.size(), 1);
    auto *example = f.find<ClickLabel>("Label2_3");
    example->setFocus();
    QTest::keyClick(example, Qt::Key_Return);
    QCOMPARE(f.text("Text1")->text(), ReferenceTables::ExampleDevices()[3]);
    QVERIFY(!f.rowCodes().isEmpty());
    // the focus shows: the label in focus paints a frame the same label out of focus lacks
    const QImage focused = example->grab().toImage();
    f.text("Text1")->setFocus();
    QVERIFY(example->grab().toImage() != focused);
    QTest::mouseClick(f.find<ClickLabel>("Label2_4"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.text("Text1"));
}

void TstForm1Info::assistiveTechnology()
{
    FormFixture f;
    f.form->show();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(f.form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(f.find<QPushButton>("Command9_1"))->text(QAccessible::Name),
             QStringLiteral("PUBG2"));
    // choosing a category through the accessible action runs the query as a click does
    f.text("Text1")->setText(QStringLiteral("GeForce GTX 1060"));
    QAccessibleInterface *gpu = QAccessible::queryAccessibleInterface(f.find<QRadioButton>("Option3"));
    QCOMPARE(gpu->role(), QAccessible::RadioButton);
    QCOMPARE(gpu->text(QAccessible::Name), QStringLiteral("GPU)"));
    gpu->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(gpu->state().checked);
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("3"));
    QCOMPARE(f.rowCodes().constFirst(), QStringLiteral("G61"));
    QAccessible::queryAccessibleInterface(f.find<QRadioButton>("Option2"))
        ->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.form->Opt_mark1, QStringLiteral("2"));
    QVERIFY(f.rowCodes().isEmpty());
}

void TstForm1Info::refusedStartShowsOneErrorAndLoadsNothing()
{
    FakePlatform platform;
    platform.singleInstance = false;
    Form1 form(platform);
    QVERIFY(!form.Form_Load());
    QCOMPARE(platform.messages.size(), 1);
    const FakePlatform::Message &refusal = platform.messages[0];
    QCOMPARE(refusal.icon, Platform::Icon::Error);
    QCOMPARE(refusal.buttons, Platform::Buttons::Ok);
    QCOMPARE(refusal.title, QStringLiteral("CPU/GPU性能天梯查询工具"));
    QCOMPARE(refusal.text, QStringLiteral("本软件[") + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                               + QStringLiteral("]已运行中，请勿重复.."));
    QVERIFY(form.RecList[1].isEmpty() && form.RecList[RecordTable::kRecordCount].isEmpty());
    QVERIFY(form.Start1.isEmpty());
    QCOMPARE(platform.broughtForward, QStringList{QStringLiteral("CPU/GPU性能天梯查询工具 V0.99b4")}); // after the box
}

void TstForm1Info::realMessageBoxesInTheSystemsLanguage()
{
    const auto firstMenuEntry = [] {
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        return menu->actions().constFirst()->text();
    };
    // an English system keeps Qt's English texts
    installQtTranslation(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(firstMenuEntry().startsWith(QStringLiteral("&Undo")));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setUpApplication(*qApp);
    QVERIFY2(firstMenuEntry().startsWith(QStringLiteral("撤")), qPrintable(firstMenuEntry())); // 撤消(&U)

    DesktopPlatform platform;
    const QImage icon = programIconPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    // a style whose message boxes let nothing be selected by themselves, as Windows' own
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Windows"));
    const auto restoreStyle = qScopeGuard([&] { QApplication::setStyle(style); });
    SeenBox prompt;
    QCOMPARE(showAndPressEnter(platform, prompt, QStringLiteral("一\r\n二"), Platform::Icon::Information,
                               Platform::Buttons::YesNo, Platform::Button::No),
             Platform::Button::No);
    QCOMPARE(prompt.title, QStringLiteral("系统提示"));
    QCOMPARE(prompt.text, QStringLiteral("一\n二"));
    QCOMPARE(prompt.icon, QMessageBox::Information);
    QCOMPARE(prompt.buttons.size(), 2);
    QVERIFY(prompt.buttons.join(u' ').contains(u'是'));
    QVERIFY(prompt.defaultButton.contains(u'否'));
    QCOMPARE(prompt.windowIcon, icon);
    QVERIFY(prompt.selectable);

    const QPair<Platform::Icon, QMessageBox::Icon> kinds[] = {{Platform::Icon::Error, QMessageBox::Critical},
                                                              {Platform::Icon::Exclamation, QMessageBox::Warning}};
    for (const auto &[kind, shown] : kinds) {
        SeenBox note;
        QCOMPARE(showAndPressEnter(platform, note, QStringLiteral("注"), kind, Platform::Buttons::Ok, Platform::Button::Ok),
                 Platform::Button::Ok);
        QCOMPARE(note.icon, shown);
        QCOMPARE(note.buttons, QStringList{QStringLiteral("确定")});
        QCOMPARE(note.defaultButton, QStringLiteral("确定"));
        QVERIFY(note.selectable);
    }
}

QTEST_MAIN(TstForm1Info)
#include "tst_form1_info.moc"
