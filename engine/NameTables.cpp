#include "engine/NameTables.h"

const char* const g_surnameStarts[kSurnamePartCount] = {
    "Ba", "Me", "Da", "McA", "Chi", "Cha", "To", "ag", "Ge", "He", "El", "fo", "Ni", "Me", "yes",
    "Kra", "Dre", "La", "Tu", "Pu", "Ro", "Ra", "Gre", "Plo", "Za", "Davo", "Bo", "Sa", "Se", "Si",
};

const char* const g_surnameMiddles[kSurnamePartCount] = {
    "de", "ba", "he", "ge", "di", "ma", "na", "ke", "po", "me", "temo", "vari", "demo", "sa", "ka",
    "chi", "kro", "se", "bi", "to", "ho", "fe", "ra", "po", "du", "ni", "no", "za", "pla", "tru",
};

const char* const g_surnameEndings[kSurnamePartCount] = {
    "novic", "sic", "mon", "man", "mov", "muv", "sta", "han", "wan", "ncic",
    "mar", "men", "ti", "st", "nk", "sto", "uan", "den", "stri", "mos",
    "lska", "stan", "non", "tom", "tan", "vic", "n", "t", "sont", "da",
};

const char* const g_clubPrefixes[kClubPrefixCount] = {
    "HC", "Uni", "Sporting", "SC", "team", "HT", "Club", "College", "HS", "HSC",
};
