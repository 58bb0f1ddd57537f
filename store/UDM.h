#pragma once
// The data module: the connection to "KKAL.mdb", the product table object with its data
// source, and the four shared query objects that every window borrows.

#include "store/UConnection.h"
#include "store/UQuery.h"
#include "store/UTableProd.h"

#include <QObject>

class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);

    // Builds the connection string from the executable's folder.
    void DataModuleCreate();

    TConnection ADOTrans;
    TQuery SQLGrup;
    TTableProd TableProd;
    TDataSource DSProd;
    TQuery SQL1;
    TQuery SQL2;
    TQuery qSaveRac;
};

extern TDM* DM;
