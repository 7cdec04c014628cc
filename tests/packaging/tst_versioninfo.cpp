// The version details Explorer, Task Manager and the uninstall list read from the exe, and
// the manifest Windows reads before it starts it.
#include <QTest>

#include <windows.h>

class TstVersionInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void explorerShowsNameAndVersion();
    void manifest();
};

void TstVersionInfo::explorerShowsNameAndVersion()
{
    const std::wstring exe = QStringLiteral(CGR_EXE).toStdWString();
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    QVERIFY(size > 0);
    QByteArray data(qsizetype(size), '\0');
    QVERIFY(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    void *found = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(data.data(), L"\\", &found, &length));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(found);
    const QString fileVersion = QStringLiteral("%1.%2.%3")
                                    .arg(HIWORD(fixed->dwFileVersionMS))
                                    .arg(LOWORD(fixed->dwFileVersionMS))
                                    .arg(HIWORD(fixed->dwFileVersionLS));
    QCOMPARE(fileVersion, QStringLiteral(CGR_VERSION));
    QCOMPARE(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

    QVERIFY(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &found, &length));
    QCOMPARE(static_cast<const WORD *>(found)[0], WORD(0x0804)); // Chinese (PRC)

    const auto text = [&](const wchar_t *name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        void *value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(data.data(), path.c_str(), &value, &chars) || chars == 0)
            return QString();
        return QString::fromWCharArray(static_cast<const wchar_t *>(value), int(chars) - 1);
    };
    const QString name = QString::fromUtf8(CGR_DISPLAY_NAME);
    QCOMPARE(text(L"ProductName"), name);
    QCOMPARE(text(L"FileDescription"), name);
    QCOMPARE(text(L"FileVersion"), QStringLiteral(CGR_VERSION));
    QCOMPARE(text(L"ProductVersion"), QStringLiteral(CGR_VERSION));
    QCOMPARE(text(L"OriginalFilename"), QStringLiteral("cpugpurank.exe"));
    QCOMPARE(text(L"CompanyName"), QString::fromUtf8(CGR_PUBLISHER));
    QVERIFY(text(L"LegalCopyright").startsWith(QStringLiteral("Copyright")));
}

void TstVersionInfo::manifest()
{
    const std::wstring exe = QStringLiteral(CGR_EXE).toStdWString();
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY(module);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    QVERIFY(resource);
    const QByteArray xml(static_cast<const char *>(LockResource(LoadResource(module, resource))),
                         qsizetype(SizeofResource(module, resource)));
    FreeLibrary(module);
    for (const char *expected : {"<requestedExecutionLevel level=\"asInvoker\"",
                                 "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
                                 ">PerMonitorV2</dpiAwareness>", ">true/pm</dpiAware>",
                                 ">UTF-8</activeCodePage>"})
        QVERIFY2(xml.contains(expected), expected);
}

QTEST_APPLESS_MAIN(TstVersionInfo)
#include "tst_versioninfo.moc"
