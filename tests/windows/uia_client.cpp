// A UI Automation client as a Windows screen reader is one: it listens for
// focus changes, windows opening, and name and description changes
// anywhere on the desktop, and writes one line per event, in order, with
// what a screen reader would read of the element and of its top-level
// window. It runs until the file STOP exists.
//   uia_client.exe RECORD STOP
// Each line: event, control type, name, help text, full description, then
// the window's name and full description, tab-separated.
#include <windows.h>

#include <uiautomation.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

CRITICAL_SECTION lock;
FILE* record = nullptr;
IUIAutomation* automation = nullptr;
IUIAutomationTreeWalker* walker = nullptr;
IUIAutomationElement* desktop = nullptr;

std::string utf8(const wchar_t* text, int size = -1)
{
    if (!text)
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, out.data(), length, nullptr, nullptr);
    if (size < 0 && !out.empty())
        out.pop_back(); // the terminating null
    // One event a line: tabs and line breaks inside a text become spaces.
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}

std::string taken(BSTR text)
{
    std::string out = utf8(text);
    SysFreeString(text);
    return out;
}

std::string stringProperty(IUIAutomationElement* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    std::string out;
    if (SUCCEEDED(element->GetCurrentPropertyValue(id, &value)) && value.vt == VT_BSTR)
        out = utf8(value.bstrVal);
    VariantClear(&value);
    return out;
}

std::string describe(IUIAutomationElement* element)
{
    BSTR name = nullptr;
    BSTR help = nullptr;
    CONTROLTYPEID type = 0;
    element->get_CurrentName(&name);
    element->get_CurrentHelpText(&help);
    element->get_CurrentControlType(&type);
    return std::to_string(type) + '\t' + taken(name) + '\t' + taken(help) + '\t' +
           stringProperty(element, UIA_FullDescriptionPropertyId);
}

// The window an element is in: its nearest ancestor, or itself, that is a
// window (above the windows, Qt's application is one too). Its handle
// tells windows of one name apart.
std::string windowOf(IUIAutomationElement* element)
{
    IUIAutomationElement* window = nullptr;
    IUIAutomationElement* current = element;
    current->AddRef();
    for (int depth = 0; current && depth < 32; ++depth) {
        CONTROLTYPEID type = 0;
        current->get_CurrentControlType(&type);
        if (type == UIA_WindowControlTypeId) {
            window = current;
            window->AddRef();
            break;
        }
        IUIAutomationElement* parent = nullptr;
        walker->GetParentElement(current, &parent);
        current->Release();
        current = parent;
    }
    if (current)
        current->Release();
    if (!window)
        return "?\t?\t0";
    BSTR name = nullptr;
    UIA_HWND handle = nullptr;
    window->get_CurrentName(&name);
    window->get_CurrentNativeWindowHandle(&handle);
    char hex[32];
    std::snprintf(hex, sizeof hex, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle)));
    std::string out =
        taken(name) + '\t' + stringProperty(window, UIA_FullDescriptionPropertyId) + '\t' + hex;
    window->Release();
    return out;
}

void note(const char* event, IUIAutomationElement* element)
{
    const std::string line =
        std::string(event) + '\t' + describe(element) + '\t' + windowOf(element) + '\n';
    EnterCriticalSection(&lock);
    if (record) {
        std::fputs(line.c_str(), record);
        std::fflush(record);
    }
    LeaveCriticalSection(&lock);
}

class Listener : public IUIAutomationFocusChangedEventHandler,
                 public IUIAutomationEventHandler,
                 public IUIAutomationPropertyChangedEventHandler {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_references; } // lives in main()
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IUIAutomationFocusChangedEventHandler))
            *object = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
        else if (iid == __uuidof(IUIAutomationEventHandler))
            *object = static_cast<IUIAutomationEventHandler*>(this);
        else if (iid == __uuidof(IUIAutomationPropertyChangedEventHandler))
            *object = static_cast<IUIAutomationPropertyChangedEventHandler*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        note("focus", sender);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleAutomationEvent(IUIAutomationElement* sender,
                                                    EVENTID event) override
    {
        note(event == UIA_Window_WindowOpenedEventId ? "window-opened" : "event", sender);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandlePropertyChangedEvent(IUIAutomationElement* sender,
                                                         PROPERTYID property, VARIANT) override
    {
        note(property == UIA_NamePropertyId ? "name-changed" : "description-changed", sender);
        return S_OK;
    }

private:
    std::atomic<ULONG> m_references{1};
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: uia_client RECORD STOP\n", stderr);
        return 2;
    }
    InitializeCriticalSection(&lock);
    record = _wfopen(argv[1], L"w");
    if (!record)
        return 1;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    HRESULT result =
        CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                         __uuidof(IUIAutomation), reinterpret_cast<void**>(&automation));
    if (SUCCEEDED(result))
        result = automation->GetRootElement(&desktop);
    // Every element: Wine 10 has no ready-made walkers.
    IUIAutomationCondition* everything = nullptr;
    if (SUCCEEDED(result))
        result = automation->CreateTrueCondition(&everything);
    if (SUCCEEDED(result))
        result = automation->CreateTreeWalker(everything, &walker);
    if (FAILED(result)) {
        std::fprintf(stderr, "no UI Automation: 0x%08lx\n", static_cast<unsigned long>(result));
        return 1;
    }
    Listener listener;
    struct Subscription {
        const char* what;
        HRESULT result;
    };
    PROPERTYID properties[] = {UIA_NamePropertyId, UIA_FullDescriptionPropertyId};
    const Subscription subscriptions[] = {
        {"focus", automation->AddFocusChangedEventHandler(nullptr, &listener)},
        {"window-opened",
         automation->AddAutomationEventHandler(UIA_Window_WindowOpenedEventId, desktop,
                                               TreeScope_Subtree, nullptr, &listener)},
        {"name and description",
         automation->AddPropertyChangedEventHandlerNativeArray(desktop, TreeScope_Subtree, nullptr,
                                                               &listener, properties, 2)},
    };
    for (const Subscription& s : subscriptions) {
        EnterCriticalSection(&lock);
        std::fprintf(record, "listening\t%s\t%s\n", s.what, SUCCEEDED(s.result) ? "yes" : "no");
        std::fflush(record);
        LeaveCriticalSection(&lock);
    }
    while (GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES)
        Sleep(100);
    automation->RemoveAllEventHandlers();
    EnterCriticalSection(&lock);
    std::fclose(record);
    record = nullptr;
    LeaveCriticalSection(&lock);
    return 0;
}
