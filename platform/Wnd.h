// The base of every window: its template, its controls by id, data exchange, message map,
// message boxes and the reporting of failures that leave a handler.
#pragma once

#include "CString.h"
#include "MessageMap.h"

#include <functional>
#include <map>
#include <vector>

class CDataExchange;
class QWidget;
struct DialogTemplate;

class CWnd {
public:
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // Moves the fields into the controls (false) or the controls into the fields (true).
    bool UpdateData(bool saveAndValidate = true);

    int MessageBox(const CString& text, const CString& caption, unsigned flags);

    void SetDlgItemText(int id, const CString& text);

    // The control with this id while the window exists; nullptr otherwise.
    QWidget* GetDlgItem(int id) const;
    // The window's own widget while it exists; nullptr otherwise.
    QWidget* GetSafeHwnd() const { return m_window; }
    // The window object a widget belongs to; nullptr for a widget that is no window of ours.
    static CWnd* FromHandle(QWidget* window);

    // The help context of this window: 0x20000 plus its template number.
    virtual unsigned HelpContext() const;

    int TemplateId() const { return m_templateId; }

    // Gives the focus to the first control that takes it with the Tab key.
    void FocusFirstControl();

    // Runs a handler as the layer runs every handler: a failure that leaves it is reported in a
    // message box over this window, and the window stays open.
    void Dispatch(const std::function<void()>& handler);

    // A notification from one of the controls: runs the message map's handler for it.
    virtual void OnCommand(Notification code, int id);

protected:
    explicit CWnd(int templateId) : m_templateId(templateId) {}

    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}

    // Names the class's message map; its rows are connected when the window is built.
    template <class T> void UseMessageMap(const MessageMap<T>& map)
    {
        for (const MessageEntry<T>& entry : map)
            m_bindings.push_back({entry.code, entry.id, [this, handler = entry.handler] {
                                      (static_cast<T*>(this)->*handler)();
                                  }});
    }

    // Builds the template's controls on `window` and connects them to the message map.
    void CreateWindowFromTemplate(QWidget* window, const DialogTemplate& dialog);
    // Makes `window` this object's widget, until DetachWindow forgets it and its controls.
    void AttachWindow(QWidget* window);
    void DetachWindow();

    const int m_templateId;
    QWidget* m_window = nullptr;

private:
    struct Binding {
        Notification code;
        int id;
        std::function<void()> handler;
    };

    std::map<int, QWidget*> m_controls;
    std::vector<Binding> m_bindings;
};
