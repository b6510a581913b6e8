// The calendar "Terminarz": a painted month on the left, the chosen day's entries in a grid on
// the right, and the buttons that add, edit and delete them. The files are the schedule book's.
#pragma once

#include <vector>

#include "controls/grid/grid_ctrl.h"
#include "controls/hover_button.h"
#include "evaluation/calendar/calendar_file.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/calendar_ids.h"

class CWiadomoscDlg;

class CTerminarzDlg : public CDialog {
public:
    enum { IDD = IDD_TERMINARZ };
    enum Mode { ModeNormal = 0, ModeAddAtOnce = 2, ModeAddDeadline = 3 };
    enum { kColumnTime, kColumnAlarm, kColumnPriority, kColumnFlagD, kColumnText };

    explicit CTerminarzDlg(CWnd *pParent = nullptr);

    CString m_strFolder;
    int m_nMode = ModeNormal;
    // The given date (modes 2 and 3); month 1..12.
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;

    BOOL OnInitDialog() override;

    // The table and the day the grid shows, for the owner and the tests.
    const ScheduleBook &Book() const { return m_book; }
    CGridCtrl &Grid() { return m_grid; }
    int GridYear() const { return m_gridYear; }
    int GridMonth() const { return m_gridMonth; }
    int GridDay() const { return m_gridDay; }
    // The table index of a grid row (1-based), -1 for none.
    int EntryOfRow(int row) const;

    void LoadHeader();
    // Rewrites the index; false after "Błąd zapisu nagłówka".
    bool SaveHeader();
    // Stores the text and the entry; false after its message.
    bool AppendEntry(const ScheduleNote &note);
    void LoadDayEntries(int year, int month, int day, int force);
    // index -1: the entry about to be appended.
    void AddGridRow(int hour, int minute, int alarm, int priority, int flagD, const CString &text, int index);
    void ClearGrid();
    // Runs the entry dialog and stores the entry on the grid's day; 0 when it was cancelled in a
    // calendar opened to add at once.
    int AddEntry();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnSize(UINT nType, int cx, int cy);
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnComputeDeadline();
    void OnChangeFolder();
    DECLARE_MESSAGE_MAP()

private:
    void SetUpGrid();
    void PlaceGrid(int cx, int cy);
    int SelectedRow() const;
    int RowHeightFor(const CString &text);
    // Shows the month of the date with the day selected; month 1..12.
    void ShowMonth(int year, int month, int day);
    void RedrawDay(int day);
    // The selected day's entries in the grid.
    void ShowSelectedDay();
    bool IsGridDay(int year, int month, int day) const;
    // What the entry dialog holds, on the grid's day.
    ScheduleNote NoteOnGridDay(const CWiadomoscDlg &entryDialog, int flagD) const;
    // Stores a note and its index at once; the table forgets it when the index fails.
    bool StoreNote(const ScheduleNote &note);

    ScheduleBook m_book{CString()};
    int m_gridYear = 0;
    int m_gridMonth = 0;
    int m_gridDay = 0;
    int m_shownYear = 0;
    int m_shownMonth = 0;          // 0..11
    int m_selectedDay = 0;         // 0..30
    int m_pressedBox = 0;          // -1 "<<", 1 ">>", 0 none
    std::vector<int> m_rowEntries; // row r (1-based) shows entry m_rowEntries[r - 1]
    std::vector<int> m_rowMinutes;

    CGridCtrl m_grid;
    CImageList m_images;
    CHoverButton m_deadlineButton;
};
