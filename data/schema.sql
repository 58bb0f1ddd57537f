-- The five tables of "KKAL.mdb". Statements that read SELECT * address columns by position,
-- so the column order below is part of the file format. Every text column sorts and compares
-- through the RUSSIAN collation (case-insensitive, Russian alphabetical order).

CREATE TABLE tab_grup (
    id_grup   INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_grup TEXT COLLATE RUSSIAN,
    num_tv    INTEGER,
    id_parent INTEGER
);

CREATE TABLE tab_prod (
    id_prod   INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_prod VARCHAR(150) COLLATE RUSSIAN CHECK (length(naim_prod) <= 150),
    kkal      DOUBLE,
    bel       DOUBLE,
    zir       DOUBLE,
    ugl       DOUBLE,
    id_grup   INTEGER
);

CREATE TABLE tab_mera (
    id_mif    INTEGER PRIMARY KEY AUTOINCREMENT,
    id_prod   INTEGER,
    naim_mera TEXT COLLATE RUSSIAN,
    g_mera    INTEGER,
    kkal_mera DOUBLE
);

CREATE TABLE tab_nazv_rac (
    id       INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_rac TEXT COLLATE RUSSIAN
);

CREATE TABLE tab_racion (
    id_mif   INTEGER PRIMARY KEY AUTOINCREMENT,
    id_rac   INTEGER,
    vremy    DATETIME,
    id_prod  INTEGER,
    flag     BOOLEAN,
    g        INTEGER,
    id_porc  INTEGER,
    kol_porc DOUBLE,
    kkal     DOUBLE,
    bel      DOUBLE,
    zir      DOUBLE,
    ugl      DOUBLE
);

CREATE INDEX ix_prod_grup ON tab_prod (id_grup, naim_prod);
CREATE INDEX ix_mera_prod ON tab_mera (id_prod);
CREATE INDEX ix_racion_rac ON tab_racion (id_rac);
CREATE INDEX ix_grup_parent ON tab_grup (id_parent);
