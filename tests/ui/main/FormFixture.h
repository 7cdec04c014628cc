#pragma once

#include "support/FakePlatform.h"
#include "ui/main/Form1.h"

#include <QLineEdit>
#include <QLocale>
#include <QTextEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

// A loaded main window over a fake platform, with the Chinese number format pinned.
struct FormFixture
{
    FormFixture()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        form = std::make_unique<Form1>(platform);
        form->setEndProgram([this] { ++endCount; });
        loaded = form->Form_Load();
    }

    template <typename T>
    T *find(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *text(const char *name) const { return find<QLineEdit>(name); }

    // The rows of the result table, record codes only, in order.
    QStringList rowCodes() const
    {
        QStringList codes;
        for (const QString &line : form->resultText().split(QStringLiteral("\r\n"))) {
            if (line.startsWith(u'|') && (line.at(1) == u'C' || line.at(1) == u'G' || line.at(1) == u'N'))
                codes.append(line.mid(1, 5).trimmed());
        }
        return codes;
    }
    QStringList lines() const
    {
        QStringList all = form->resultText().split(QStringLiteral("\r\n"));
        if (!all.isEmpty() && all.constLast().isEmpty())
            all.removeLast();
        return all;
    }
    void query(const QString &main)
    {
        text("Text1")->setText(main);
        form->Command2_Click();
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
    bool loaded = false;
    int endCount = 0;
};

inline const QString kFrame = QStringLiteral("+-----+----------------------------------------+-----+--------+");
