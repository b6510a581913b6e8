// The About box: the program's picture and a link that writes to the publisher.
#pragma once

#include "controls/hyper_link.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    static const char kPublisherAddress[];

    CAboutDlg();
    BOOL OnInitDialog() override;

    CHyperLink m_askPublisher;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};
