#include "app/GameApp.h"

#include "platform/WindowSystem.h"

void CMainFrame::Show() { CurrentWindowSystem().ShowMainWindow(view_); }

void CGameApp::InitInstance() {
    frame_ = std::make_unique<CMainFrame>();
    frame_->Show();
}

int CGameApp::Run() { return CurrentWindowSystem().Run(); }
