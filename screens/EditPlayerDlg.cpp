#include "screens/EditPlayerDlg.h"

// The painted dialog is not there yet; until it is, editing is cancelled.
bool CEditPlayerDlg::Open() { return false; }
