#include "win32/controls/drawing/AccessibleRole.h"

#include "win32/platform/LateBound.h"

#include <oleacc.h>

namespace win32::controls {

namespace {

// Hands every call to the system's object but the role and the state.
class RoleAccessible final : public IAccessible {
public:
    RoleAccessible(IAccessible* inner, AccessibleOverride override)
        : m_inner(inner)
        , m_override(std::move(override)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out)
            return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(::InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&m_refs);
        if (left == 0) {
            m_inner->Release();
            delete this;
        }
        return ULONG(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_inner->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
        return m_inner->GetTypeInfo(i, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT n, LCID lcid,
                                            DISPID* ids) override {
        return m_inner->GetIDsOfNames(riid, names, n, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* arg) override {
        return m_inner->Invoke(id, riid, lcid, flags, params, result, info, arg);
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_inner->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return m_inner->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return m_inner->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return m_inner->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_inner->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return m_inner->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || !role)
            return m_inner->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = m_override.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT hr = m_inner->get_accState(child, state);
        if (SUCCEEDED(hr) && isSelf(child) && state && state->vt == VT_I4) {
            if (m_override.role == ROLE_SYSTEM_LINK)
                state->lVal |= STATE_SYSTEM_LINKED;
            if (m_override.checked) {
                state->lVal &= ~LONG(STATE_SYSTEM_PRESSED);
                if (m_override.checked())
                    state->lVal |= STATE_SYSTEM_CHECKED;
                else
                    state->lVal &= ~LONG(STATE_SYSTEM_CHECKED);
            }
        }
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_inner->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_inner->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return m_inner->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return m_inner->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_inner->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_inner->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_inner->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
        return m_inner->accLocation(x, y, w, h, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override {
        return m_inner->accNavigate(dir, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return m_inner->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_inner->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_inner->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_inner->put_accValue(child, value);
    }

private:
    static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

    LONG m_refs = 1;
    IAccessible* m_inner;
    AccessibleOverride m_override;
};

} // namespace

std::optional<LRESULT> answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam,
                                       const AccessibleOverride& override) {
    if (LONG(lParam) != LONG(OBJID_CLIENT))
        return std::nullopt;
    // Bound at the first question from an assistive technology.
    static const auto createStdAccessibleObject =
        lateBound<decltype(::CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto lresultFromObject =
        lateBound<decltype(::LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    if (!createStdAccessibleObject || !lresultFromObject)
        return std::nullopt;
    IAccessible* inner = nullptr;
    if (FAILED(createStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&inner))) ||
        !inner)
        return std::nullopt;
    auto* wrapper = new RoleAccessible(inner, override);
    const LRESULT result = lresultFromObject(__uuidof(IAccessible), wParam, wrapper);
    wrapper->Release(); // LresultFromObject holds its own reference
    return result;
}

} // namespace win32::controls
