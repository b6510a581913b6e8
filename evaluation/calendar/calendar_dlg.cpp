#include "evaluation/calendar/calendar_dlg.h"

#include <algorithm>

#include "app/registry_text.h"
#include "evaluation/calendar/calendar_entry_dlg.h"
#include "evaluation/calendar/calendar_folder_chooser.h"
#include "evaluation/calendar/calendar_month.h"
#include "evaluation/deadline/deadline_dlg.h"
#include "framework/core/module.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"

namespace {

const COLORREF kGridBackground = RGB(255, 255, 224);
const COLORREF kTitleBackground = RGB(192, 192, 192);
const COLORREF kHeadingBackground = RGB(0, 0, 128);
const int kHeadingRowHeight = 20;
const int kGridLeft = 252;
const int kGridTop = 6;

struct Column {
    const char *heading;
    int width;
};
const Column kColumns[] = {{"Godzina", 50}, {"A", 24}, {"P", 24}, {"D", 24}, {"Wiadomość", 238}};

// Images of the flag bitmap.
const int kImageFlagD = 0;
const int kImageAlarm = 1;
const int kImagePriority = 2;

const UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const UINT kWrapped = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

const char kDeadlineTip[] =
    "Funkcja 'Oblicz termin' jest pomocna przy obliczaniu najkrótszego terminu składania ofert/wniosków w "
    "planowanych przetargach, uwzględniając terminy ustawowe oraz terminy Departamentu Biuletynu Urzędu "
    "Zamówień Publicznych";
const char kDeadlineText[] = "Termin składania ofert";

} // namespace

BEGIN_MESSAGE_MAP(CTerminarzDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_CALENDAR_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CALENDAR_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CALENDAR_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_CALENDAR_DEADLINE, OnComputeDeadline)
    ON_BN_CLICKED(IDC_CALENDAR_FOLDER, OnChangeFolder)
END_MESSAGE_MAP()

CTerminarzDlg::CTerminarzDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CTerminarzDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CALENDAR_DEADLINE, m_deadlineButton);
}

BOOL CTerminarzDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon((HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_CALENDAR), IMAGE_ICON, 16, 16, 0), FALSE);
    m_grid.SubclassDlgItem(IDC_CALENDAR_GRID, this);
    SetUpGrid();
    m_deadlineButton.SetToolTipText(kDeadlineTip);
    ScheduleFolderChooser *chooser = ScheduleFolderChooser::Installed();
    GetDlgItem(IDC_CALENDAR_FOLDER)->EnableWindow(chooser != nullptr);

    // A given date that names no day shows today; a deadline on it is refused when stored.
    const bool givenDay = m_nYear > 0 && m_nDay >= 1 && m_nDay <= CalendarMonthDays(m_nYear, m_nMonth);
    if (m_nMode != ModeNormal && givenDay) {
        ShowMonth(m_nYear, m_nMonth, m_nDay);
    } else {
        SYSTEMTIME today;
        ::GetLocalTime(&today);
        ShowMonth(today.wYear, today.wMonth, today.wDay);
    }
    m_gridYear = m_gridMonth = m_gridDay = 0;
    m_book = ScheduleBook(m_strFolder);

    LoadHeader();
    ShowSelectedDay();
    // An index that could not be read is never written over: the calendar only shows.
    if (m_book.IsLocked())
        for (int id : {IDC_CALENDAR_ADD, IDC_CALENDAR_DELETE, IDC_CALENDAR_EDIT, IDC_CALENDAR_DEADLINE})
            GetDlgItem(id)->EnableWindow(FALSE);

    if (m_nMode == ModeAddDeadline) {
        ScheduleNote note;
        note.year = m_nYear;
        note.month = m_nMonth;
        note.day = m_nDay;
        note.flagD = 1;
        note.text = kDeadlineText;
        StoreNote(note);
        EndDialog(IDOK);
    } else if (m_nMode == ModeAddAtOnce) {
        if (!AddEntry())
            EndDialog(IDOK);
    }
    return TRUE;
}

void CTerminarzDlg::SetUpGrid()
{
    m_images.Create(IDB_CALENDAR_FLAGS, 16, 0, RGB(255, 0, 255));
    m_grid.SetImageList(&m_images);
    m_grid.SetEditable(FALSE);
    m_grid.SetBkColor(kGridBackground);
    m_grid.SetGridColor(kGridBackground);
    for (const Column &column : kColumns)
        m_grid.InsertColumn(column.heading, kCentred);
    m_grid.SetFixedRowCount(1);
    m_grid.SetRowHeight(0, kHeadingRowHeight);
    for (int col = 0; col < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++col)
        m_grid.SetColumnWidth(col, kColumns[col].width);
    CRect client;
    GetClientRect(&client);
    PlaceGrid(client.Width(), client.Height());
}

void CTerminarzDlg::PlaceGrid(int cx, int cy)
{
    if (m_grid.m_hWnd != nullptr)
        m_grid.MoveWindow(kGridLeft, kGridTop, cx - 8 - kGridLeft, cy - 4 - kGridTop);
}

void CTerminarzDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    PlaceGrid(cx, cy);
}

// ---- Files ------------------------------------------------------------------------------------

void CTerminarzDlg::LoadHeader()
{
    switch (m_book.LoadHeader()) {
    case ScheduleBook::LoadResult::WrongMark:
        AfxShowMessageBox(m_hWnd, "Błędny format nagłówka pliku terminarza", "Błąd", MB_ICONWARNING);
        break;
    case ScheduleBook::LoadResult::Damaged:
        AfxShowMessageBox(m_hWnd,
                          "Plik nagłówka terminarza jest uszkodzony lub niepełny.\n"
                          "Terminarz zostanie otwarty bez wpisów, a jego pliki pozostaną bez zmian.",
                          "Błąd", MB_ICONWARNING);
        break;
    case ScheduleBook::LoadResult::Loaded:
    case ScheduleBook::LoadResult::NoFile:
        break;
    }
}

bool CTerminarzDlg::SaveHeader()
{
    if (m_book.SaveHeader())
        return true;
    AfxShowMessageBox(m_hWnd, "Błąd zapisu nagłówka", "Błąd", MB_ICONERROR);
    return false;
}

bool CTerminarzDlg::AppendEntry(const ScheduleNote &note)
{
    switch (m_book.AppendEntry(note)) {
    case ScheduleBook::AppendResult::Appended:
        return true;
    case ScheduleBook::AppendResult::Full:
        AfxShowMessageBox(m_hWnd, "Terminarz jest pełny: nie można dodać kolejnego wpisu.", "Błąd", MB_ICONWARNING);
        return false;
    case ScheduleBook::AppendResult::Locked:
        AfxShowMessageBox(m_hWnd, "Plik nagłówka terminarza jest uszkodzony: terminarz nie zostanie zmieniony.", "Błąd",
                          MB_ICONWARNING);
        return false;
    case ScheduleBook::AppendResult::Failed:
        break;
    }
    AfxShowMessageBox(m_hWnd, "Błąd zapisu kalendarza", "Błąd", MB_OK);
    return false;
}

bool CTerminarzDlg::StoreNote(const ScheduleNote &note)
{
    const int before = m_book.Count();
    if (!AppendEntry(note))
        return false;
    if (!SaveHeader()) {
        // The text stays behind in the text file; the next addition steps over it.
        m_book.Truncate(before);
        return false;
    }
    return true;
}

// ---- Grid ---------------------------------------------------------------------------------------

int CTerminarzDlg::EntryOfRow(int row) const
{
    return row >= 1 && row <= static_cast<int>(m_rowEntries.size()) ? m_rowEntries[row - 1] : -1;
}

int CTerminarzDlg::SelectedRow() const
{
    const int row = m_grid.GetFocusCell().row;
    if (row >= 1 && EntryOfRow(row) >= 0)
        return row;
    const int selected = m_grid.GetSelectedCellRange().minRow;
    return EntryOfRow(selected) >= 0 ? selected : 0;
}

void CTerminarzDlg::ClearGrid()
{
    m_grid.SetRowCount(1);
    m_grid.SetFocusCell(-1, -1);
    m_grid.ClearSelection();
    m_rowEntries.clear();
    m_rowMinutes.clear();
}

int CTerminarzDlg::RowHeightFor(const CString &text)
{
    const int margin = m_grid.GetCellMargin();
    CRect bounds(0, 0, kColumns[kColumnText].width - 2 * margin, 0);
    CClientDC dc(&m_grid);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, (HFONT)m_grid.SendMessage(WM_GETFONT));
    dc.DrawText(text.IsEmpty() ? CString(" ") : text, &bounds, kWrapped | DT_CALCRECT);
    ::SelectObject(dc.m_hDC, old);
    return std::max(bounds.Height() + 6, CGridCtrl::GetTextRowHeight(text));
}

void CTerminarzDlg::AddGridRow(int hour, int minute, int alarm, int priority, int flagD, const CString &text, int index)
{
    const int minutes = hour * 60 + minute;
    // Before the first later entry; equal times keep the order in which they came.
    const auto later = std::upper_bound(m_rowMinutes.begin(), m_rowMinutes.end(), minutes);
    const int place = static_cast<int>(later - m_rowMinutes.begin());
    m_rowMinutes.insert(later, minutes);
    m_rowEntries.insert(m_rowEntries.begin() + place, index < 0 ? m_book.Count() : index);

    CString time;
    time.Format("%02d:%02d", hour, minute);
    const int lastRow = m_grid.GetRowCount() - 1;
    const int row = m_grid.InsertRow(time, place + 1 <= lastRow ? place + 1 : -1);
    m_grid.SetItemImage(row, kColumnAlarm, alarm ? kImageAlarm : -1);
    m_grid.SetItemImage(row, kColumnPriority, priority ? kImagePriority : -1);
    m_grid.SetItemImage(row, kColumnFlagD, flagD ? kImageFlagD : -1);
    m_grid.SetItemText(row, kColumnText, text);
    m_grid.SetItemFormat(row, kColumnText, kWrapped);
    m_grid.SetRowHeight(row, RowHeightFor(text));
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
}

bool CTerminarzDlg::IsGridDay(int year, int month, int day) const
{
    return year == m_gridYear && month == m_gridMonth && day == m_gridDay;
}

void CTerminarzDlg::LoadDayEntries(int year, int month, int day, int force)
{
    if (m_book.Count() == 0 || (!force && IsGridDay(year, month, day)))
        return;
    ClearGrid();
    std::vector<ScheduleDayEntry> found;
    if (!m_book.ReadDayEntries(year, month, day, found)) {
        AfxShowMessageBox(m_hWnd, "Błąd odczytuj pliku kalendarza", "Błąd", MB_ICONERROR);
        return;
    }
    for (const ScheduleDayEntry &shown : found) {
        const ScheduleEntry &entry = m_book.Entries()[shown.index];
        AddGridRow(entry.hour, entry.minute, entry.alarm, entry.priority, entry.flagD, shown.text, shown.index);
    }
    m_gridYear = year;
    m_gridMonth = month;
    m_gridDay = day;
}

// ---- Buttons ----------------------------------------------------------------------------------

ScheduleNote CTerminarzDlg::NoteOnGridDay(const CWiadomoscDlg &entryDialog, int flagD) const
{
    ScheduleNote note;
    note.year = m_gridYear;
    note.month = m_gridMonth;
    note.day = m_gridDay;
    note.hour = entryDialog.m_nHour;
    note.minute = entryDialog.m_nMinute;
    note.alarm = entryDialog.m_nAlarm;
    note.priority = entryDialog.m_nPriority;
    note.flagD = flagD;
    note.text = entryDialog.m_strText;
    return note;
}

int CTerminarzDlg::AddEntry()
{
    CWiadomoscDlg entryDialog(this);
    if (entryDialog.DoModal() != IDOK)
        return m_nMode != ModeNormal ? 0 : 1;
    const ScheduleNote note = NoteOnGridDay(entryDialog, 0);
    if (StoreNote(note))
        AddGridRow(note.hour, note.minute, note.alarm, note.priority, 0, note.text, m_book.Count() - 1);
    return 1;
}

void CTerminarzDlg::OnAdd()
{
    AddEntry();
}

void CTerminarzDlg::OnDelete()
{
    const int index = EntryOfRow(SelectedRow());
    if (index < 0)
        return;
    const uint8_t kind = m_book.Entries()[index].kind;
    m_book.SetKind(index, 1);
    if (!SaveHeader()) {
        m_book.SetKind(index, kind);
        return;
    }
    LoadDayEntries(m_gridYear, m_gridMonth, m_gridDay, 1);
}

void CTerminarzDlg::OnEdit()
{
    const int row = SelectedRow();
    const int index = EntryOfRow(row);
    if (index < 0)
        return;
    const ScheduleEntry old = m_book.Entries()[index];
    CWiadomoscDlg entryDialog(this);
    entryDialog.m_bEditMode = 1;
    entryDialog.m_nHour = old.hour;
    entryDialog.m_nMinute = old.minute;
    entryDialog.m_nAlarm = old.alarm;
    entryDialog.m_nPriority = old.priority;
    entryDialog.m_strText = m_grid.GetItemText(row, kColumnText);
    if (entryDialog.DoModal() != IDOK)
        return;

    // The new text is stored before the old entry is given up, so a failure loses neither.
    const ScheduleNote note = NoteOnGridDay(entryDialog, old.flagD);
    const int before = m_book.Count();
    if (!AppendEntry(note))
        return;
    m_book.SetKind(index, 1);
    if (!SaveHeader()) {
        m_book.SetKind(index, old.kind);
        m_book.Truncate(before);
        return;
    }
    LoadDayEntries(m_gridYear, m_gridMonth, m_gridDay, 1);
}

void CTerminarzDlg::OnComputeDeadline()
{
    CObliczTerminDlg calculator(this);
    calculator.m_nProcedureCode = -1;
    if (calculator.DoModal() != IDOK || calculator.m_strResultName.IsEmpty())
        return;
    ScheduleNote note;
    note.year = calculator.m_nYear;
    note.month = calculator.m_nMonth;
    note.day = calculator.m_nDay;
    note.text = calculator.m_strResultName;
    if (StoreNote(note) && IsGridDay(note.year, note.month, note.day))
        AddGridRow(0, 0, 0, 0, 0, note.text, m_book.Count() - 1);
}

void CTerminarzDlg::OnChangeFolder()
{
    ScheduleFolderChooser *chooser = ScheduleFolderChooser::Installed();
    CString folder = m_strFolder;
    if (!chooser || !chooser->ChooseScheduleFolder(this, folder))
        return;
    WriteRegistryText("terminarz", folder, HKEY_CURRENT_USER, kSettingsKey);
    AfxShowMessageBox(m_hWnd,
                      "Nowe ustawienia katalogu terminarza zaczną\nobowiązywać po ponownym uruchomieniu programu",
                      "Informacja", MB_ICONINFORMATION);
}

// ---- The month ----------------------------------------------------------------------------------

void CTerminarzDlg::ShowMonth(int year, int month, int day)
{
    m_shownYear = year;
    m_shownMonth = month - 1;
    const int days = CalendarMonthDays(year, month);
    m_selectedDay = day >= 1 && day <= days ? day - 1 : 0;
}

void CTerminarzDlg::ShowSelectedDay()
{
    const int day = m_selectedDay + 1;
    LoadDayEntries(m_shownYear, m_shownMonth + 1, day, 0);
    m_gridYear = m_shownYear;
    m_gridMonth = m_shownMonth + 1;
    m_gridDay = day;
}

void CTerminarzDlg::RedrawDay(int day)
{
    const RECT cell = CalendarMonthLayout(m_shownYear, m_shownMonth + 1).DayCell(day);
    InvalidateRect(&cell, FALSE);
}

void CTerminarzDlg::OnPaint()
{
    CPaintDC dc(this);
    const CalendarMonthLayout layout(m_shownYear, m_shownMonth + 1);
    CFont titleFont, smallFont;
    titleFont.CreatePointFont(100, "MS Sans Serif", &dc);
    smallFont.CreatePointFont(80, "MS Sans Serif", &dc);
    CFont *oldFont = dc.SelectObject(&titleFont);
    dc.SetBkMode(TRANSPARENT);

    CString title;
    title.Format("%s %d", kCalendarMonthNames[m_shownMonth], m_shownYear);
    const struct {
        RECT box;
        const char *text;
        int pressed;
    } titleRow[] = {{CalendarMonthLayout::PreviousBox(), "<<", -1},
                    {CalendarMonthLayout::TitleBox(), title, 0},
                    {CalendarMonthLayout::NextBox(), ">>", 1}};
    for (const auto &part : titleRow) {
        CRect box(part.box);
        dc.FillSolidRect(&box, kTitleBackground);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawText(part.text, -1, &box, kCentred);
        if (part.pressed != 0) {
            dc.Draw3dRect(&box, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
            if (part.pressed == m_pressedBox)
                dc.InvertRect(&box);
        }
    }

    dc.SelectObject(&smallFont);
    dc.SetTextColor(RGB(255, 255, 255));
    for (int weekday = 0; weekday < 7; ++weekday) {
        CRect cell(CalendarMonthLayout::HeadingCell(weekday));
        dc.FillSolidRect(&cell, kHeadingBackground);
        dc.DrawText(kCalendarDayHeadings[weekday], -1, &cell, kCentred);
    }

    const int weeksTop = CalendarMonthLayout::kTop + 2 * CalendarMonthLayout::kRowHeight;
    CRect weeks(CalendarMonthLayout::kLeft, weeksTop, CalendarMonthLayout::kLeft + 7 * CalendarMonthLayout::kCellWidth,
                weeksTop + CalendarMonthLayout::kWeeks * CalendarMonthLayout::kRowHeight);
    dc.FillSolidRect(&weeks, ::GetSysColor(COLOR_INFOBK));
    for (int day = 1; day <= layout.Days(); ++day) {
        CRect cell(layout.DayCell(day));
        const bool selected = day == m_selectedDay + 1;
        if (selected)
            dc.FillSolidRect(&cell, ::GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_INFOTEXT));
        CString text;
        text.Format("%2d", day);
        dc.DrawText(text, &cell, kCentred);
    }
    dc.SelectObject(oldFont);
}

void CTerminarzDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    const RECT previous = CalendarMonthLayout::PreviousBox();
    const RECT next = CalendarMonthLayout::NextBox();
    if (PtInRect(&previous, point) || PtInRect(&next, point)) {
        m_pressedBox = PtInRect(&previous, point) ? -1 : 1;
        const RECT box = m_pressedBox < 0 ? previous : next;
        InvalidateRect(&box, FALSE);
        return;
    }
    const int day = CalendarMonthLayout(m_shownYear, m_shownMonth + 1).DayAt(point);
    if (day == 0)
        return;
    RedrawDay(m_selectedDay + 1);
    m_selectedDay = day - 1;
    RedrawDay(day);
}

void CTerminarzDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonUp(nFlags, point);
    const int pressed = m_pressedBox;
    m_pressedBox = 0;
    if (pressed != 0) {
        const RECT box = pressed < 0 ? CalendarMonthLayout::PreviousBox() : CalendarMonthLayout::NextBox();
        if (!PtInRect(&box, point)) {
            InvalidateRect(&box, FALSE);
            return;
        }
        int year = m_shownYear;
        int month = m_shownMonth + 1 + pressed;
        if (month < 1) {
            month = 12;
            --year;
        } else if (month > 12) {
            month = 1;
            ++year;
        }
        ShowMonth(year, month, m_selectedDay + 1);
        Invalidate(FALSE);
        ShowSelectedDay();
        return;
    }
    if (CalendarMonthLayout(m_shownYear, m_shownMonth + 1).DayAt(point) == m_selectedDay + 1)
        ShowSelectedDay();
}
