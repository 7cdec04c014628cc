#include "platform/DesktopPlatform.h"

#include <windows.h>
#include <oleauto.h>
#include <wbemidl.h>

namespace {

// Releases a COM interface on every path out.
template <typename T>
struct ComPtr
{
    T *p = nullptr;
    ~ComPtr() { if (p) p->Release(); }
    T **operator&() { return &p; }
    T *operator->() const { return p; }
};

// A BSTR for one call.
struct Bstr
{
    BSTR s;
    explicit Bstr(const wchar_t *text) : s(SysAllocString(text)) {}
    ~Bstr() { SysFreeString(s); }
    Bstr(const Bstr &) = delete;
    Bstr &operator=(const Bstr &) = delete;
};

} // namespace

// WMI: ROOT\CIMV2, "select * from win32_processor", the Name of each item in the order the
// enumeration yields them.
QStringList systemProcessorNames()
{
    QStringList names;
    // Qt may have initialised COM on this thread already, in another apartment mode; that
    // serves as well. Only what we initialise here is uninitialised here.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool ownInit = SUCCEEDED(init);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE)
        return names;

    // Security may also have been set by the process already; that is fine too.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);

    {
        ComPtr<IWbemLocator> locator;
        ComPtr<IWbemServices> services;
        ComPtr<IEnumWbemClassObject> items;
        if (SUCCEEDED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                       reinterpret_cast<void **>(&locator)))
            && SUCCEEDED(locator->ConnectServer(Bstr(L"ROOT\\CIMV2").s, nullptr, nullptr, nullptr, 0,
                                                nullptr, nullptr, &services))
            && SUCCEEDED(CoSetProxyBlanket(services.p, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                           RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                           EOAC_NONE))
            && SUCCEEDED(services->ExecQuery(Bstr(L"WQL").s, Bstr(L"select * from win32_processor").s,
                                             WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                             &items))) {
            for (;;) {
                ComPtr<IWbemClassObject> item;
                ULONG returned = 0;
                if (items->Next(static_cast<LONG>(WBEM_INFINITE), 1, &item, &returned) != WBEM_S_NO_ERROR || returned == 0)
                    break;
                VARIANT name;
                VariantInit(&name);
                if (SUCCEEDED(item->Get(L"Name", 0, &name, nullptr, nullptr)) && name.vt == VT_BSTR)
                    names.append(QString::fromWCharArray(name.bstrVal, int(SysStringLen(name.bstrVal))));
                VariantClear(&name);
            }
        }
    }

    if (ownInit)
        CoUninitialize();
    return names;
}
