#include "world/GeneratedNames.h"

const char* const g_firstNames[kFirstNameCount] = {
    // Men.
    "Faruk", "Fernand", "Filip", "Aaron", "Adrian", "Albert", "Aleksi", "Anders", "Andrej", "Anton",
    "Arne", "Bastian", "Benedikt", "Bernard", "Bjarne", "Boris", "Carlos", "Casper", "Christian", "Ciro",
    "Claus", "Dalibor", "Daniel", "Dario", "David", "Dennis", "Dimitri", "Dragan", "Edin", "Elias",
    "Emil", "Enrique", "Erik", "Espen", "Fabian", "Felix", "Frederik", "Gabor", "Goran", "Gregor",
    "Gudmund", "Hakon", "Hans", "Henrik", "Igor", "Ivan", "Jakob", "Janos", "Jesper", "Joan",
    "Jonas", "Jorge", "Julian", "Kasper", "Kim", "Kiril", "Lars", "Lasse", "Leon", "Luka",
    "Magnus", "Marco", "Marek", "Mario", "Martin", "Mateo", "Mikkel", "Milan", "Nikola", "Niklas",
    "Ola", "Oscar", "Pablo", "Patrick", "Pavel", "Peter", "Rafael", "Rasmus", "Robert", "Sander",
    "Sebastian", "Sergej", "Simon", "Stefan", "Sven", "Tobias", "Tomas", "Uwe", "Viktor", "Zoran",
    // Women.
    "Bettina", "Clarissa", "Agnes", "Alexandra", "Alina", "Amalie", "Andrea", "Anja", "Anna", "Astrid",
    "Beatrice", "Birgit", "Camilla", "Carla", "Carmen", "Caroline", "Cecilie", "Christina", "Dagmar", "Daniela",
    "Diana", "Dorota", "Edita", "Elena", "Elisa", "Emilie", "Emma", "Eva", "Frida", "Gabriela",
    "Greta", "Hanna", "Heidi", "Helena", "Henny", "Ida", "Ilona", "Ines", "Ingrid", "Irina",
    "Isabel", "Ivana", "Jana", "Johanna", "Julia", "Karin", "Katarina", "Kirsten", "Klara", "Laura",
    "Lea", "Lena", "Line", "Lisa", "Lotte", "Lucia", "Maja", "Marie", "Marta", "Mette",
    "Mia", "Milena", "Monika", "Nadia", "Natalia", "Nina", "Nora", "Olga", "Paula", "Petra",
    "Ragna", "Rebecca", "Rikke", "Rosa", "Sabine", "Sandra", "Sara", "Silvia", "Simone", "Sofia",
    "Sonja", "Stine", "Susanne", "Tanja", "Tina", "Tove", "Ulla", "Vera", "Vesna", "Zofia",
};

const char* const g_surnameStarts[kSurnamePartCount] = {
    "Ba", "Me", "Da", "McA", "Chi", "Cha", "To", "ag", "Ge", "He",
    "El", "fo", "Ni", "Me", "yes", "Kra", "Dre", "La", "Tu", "Pu",
    "Ro", "Ra", "Gre", "Plo", "Za", "Davo", "Bo", "Sa", "Se", "Si",
};

const char* const g_surnameMiddles[kSurnamePartCount] = {
    "de", "ba", "he", "ge", "di", "ma", "na", "ke", "po", "me",
    "temo", "vari", "demo", "sa", "ka", "chi", "kro", "se", "bi", "to",
    "ho", "fe", "ra", "po", "du", "ni", "no", "za", "pla", "tru",
};

const char* const g_surnameEndings[kSurnamePartCount] = {
    "novic", "sic", "mon", "man", "mov", "muv", "sta", "han", "wan", "ncic",
    "mar", "men", "ti", "st", "nk", "sto", "uan", "den", "stri", "mos",
    "lska", "stan", "non", "tom", "tan", "vic", "n", "t", "sont", "da",
};
