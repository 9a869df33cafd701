// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a window as a screen reader on Windows does, through UI Automation:
//   uiaread TITLE
// finds the top-level window of that title and prints its elements depth first, one a line in
// UTF-8: as many tabs as its depth, its control type, a tab, its name. Asking for the window's
// element is also what wakes a Qt program's accessibility up, as a screen reader's first
// question does.

#include <windows.h>

#include <initguid.h>
#include <uiautomation.h>

#include <cstdio>
#include <string>

namespace {

// The control types a board can show, by the names UI Automation gives them.
struct NamedType {
    CONTROLTYPEID id;
    const char* name;
};
constexpr NamedType controlTypes[] = {
    {UIA_ButtonControlTypeId, "Button"},       {UIA_CheckBoxControlTypeId, "CheckBox"},
    {UIA_DocumentControlTypeId, "Document"},   {UIA_EditControlTypeId, "Edit"},
    {UIA_GroupControlTypeId, "Group"},         {UIA_ImageControlTypeId, "Image"},
    {UIA_MenuBarControlTypeId, "MenuBar"},     {UIA_MenuControlTypeId, "Menu"},
    {UIA_MenuItemControlTypeId, "MenuItem"},   {UIA_PaneControlTypeId, "Pane"},
    {UIA_ScrollBarControlTypeId, "ScrollBar"}, {UIA_StatusBarControlTypeId, "StatusBar"},
    {UIA_TextControlTypeId, "Text"},           {UIA_TitleBarControlTypeId, "TitleBar"},
    {UIA_WindowControlTypeId, "Window"},       {UIA_CustomControlTypeId, "Custom"},
};

std::string typeName(CONTROLTYPEID type) {
    for (const NamedType& known : controlTypes) {
        if (known.id == type)
            return known.name;
    }
    return std::to_string(type);
}

std::string utf8(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

void print(IUIAutomationElement* element, int depth) {
    CONTROLTYPEID type = 0;
    BSTR name = nullptr;
    element->get_CurrentControlType(&type);
    element->get_CurrentName(&name);
    std::string line(depth, '\t');
    line += typeName(type) + '\t';
    if (name) {
        // A name of several lines stays on one.
        std::string text = utf8(name, static_cast<int>(SysStringLen(name)));
        for (char& c : text) {
            if (c == '\n' || c == '\r' || c == '\t')
                c = ' ';
        }
        line += text;
        SysFreeString(name);
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

// Every element under `element`, through the raw tree, which hides nothing a provider gives.
void walk(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth) {
    print(element, depth);
    if (depth > 32)
        return; // a cycle in the tree: never a real board
    IUIAutomationElement* child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child) {
        walk(walker, child, depth + 1);
        IUIAutomationElement* next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: uiaread TITLE\n", stderr);
        return 2;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window titled %s\n", utf8(argv[1], -1).c_str());
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    IUIAutomationElement* root = nullptr;
    IUIAutomationCondition* raw = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    HRESULT result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IUIAutomation, reinterpret_cast<void**>(&automation));
    if (SUCCEEDED(result))
        result = automation->ElementFromHandle(window, &root);
    // A walker made from the raw view's condition: Wine has no ready-made raw view walker.
    if (SUCCEEDED(result))
        result = automation->get_RawViewCondition(&raw);
    if (SUCCEEDED(result))
        result = automation->CreateTreeWalker(raw, &walker);
    if (FAILED(result) || !root || !walker) {
        std::fprintf(stderr, "UI Automation gave no element for the window (0x%08lx)\n",
                     static_cast<unsigned long>(result));
        return 1;
    }
    walk(walker, root, 0);
    std::fflush(stdout);
    walker->Release();
    raw->Release();
    root->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
