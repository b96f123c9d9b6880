#pragma once
// The look the panes' tables share: rows without numbers, one line high,
// read-only, chosen whole, the last column taking what is left.
class QTableView;

void SetUpPaneTable(QTableView* table);
