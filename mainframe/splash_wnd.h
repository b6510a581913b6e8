// The splash window shown while the program loads, and the short picture dialog of the
// document tree. When the splash goes (once the main window is shown, or at the first key or
// click anywhere in the program, which it takes) the main window shows the start-up page and
// the wizard.
#pragma once

#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"
#include "framework/ui/wnd.h"

class CSplashWnd : public CWnd {
public:
    static constexpr UINT_PTR kTimer = 1;
    // How often the splash looks whether the main window is up.
    static constexpr UINT kCheckPeriod = 50;

    static void EnableSplashScreen(BOOL enable);
    static void ShowSplashScreen(CWnd *parent);
    // TRUE when a splash window took the message (a key or a mouse button) and went.
    static BOOL PreTranslateAppMessage(MSG *message);
    // The live splash window, or null.
    static CSplashWnd *Current() { return c_pSplashWnd; }

    ~CSplashWnd() override;
    void HideSplashScreen();

protected:
    CSplashWnd() = default;
    BOOL Create(CWnd *parent);
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bitmap;
    static BOOL c_bShowSplashWnd;
    static CSplashWnd *c_pSplashWnd;
};

class CSplashPictureDlg : public CDialog {
public:
    static constexpr UINT_PTR kTimer = 2;

    explicit CSplashPictureDlg(CWnd *parent = nullptr);
    BOOL OnInitDialog() override;

protected:
    void OnTimer(UINT_PTR nIDEvent);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int m_ticks = 0;
};
