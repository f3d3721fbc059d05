<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CliWords</name>
    <message>
        <source>Prayer time by the program&apos;s own method (default).</source>
        <translation>Orario di preghiera secondo il metodo proprio del programma (predefinito).</translation>
    </message>
    <message>
        <source>Prayer time by the method %1 (%2).</source>
        <translation>Orario di preghiera secondo il metodo %1 (%2).</translation>
    </message>
    <message>
        <source>Given by the high-latitude rule %1: the Sun does not reach the method&apos;s angle, or reaches it too far from the sunrise or sunset.</source>
        <translation>Dato dalla regola per le alte latitudini %1: il Sole non raggiunge l&apos;angolo del metodo, o lo raggiunge troppo lontano dal sorgere o dal tramonto.</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Alba astronomica</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 18 degrees below the horizon, rising: astronomical twilight begins.</source>
        <translation>Il centro del Sole 18 gradi sotto l&apos;orizzonte, in salita: inizia il crepuscolo astronomico.</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Alba nautica</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 12 degrees below the horizon, rising: nautical twilight begins.</source>
        <translation>Il centro del Sole 12 gradi sotto l&apos;orizzonte, in salita: inizia il crepuscolo nautico.</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Alba civile</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees below the horizon, rising: civil twilight begins.</source>
        <translation>Il centro del Sole 6 gradi sotto l&apos;orizzonte, in salita: inizia il crepuscolo civile.</translation>
    </message>
    <message>
        <source>Shuruq (sunrise)</source>
        <translation>Shuruq (sorgere del Sole)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sorgere del Sole</translation>
    </message>
    <message>
        <source>Apparent sunrise: the Sun&apos;s upper limb on the horizon, with refraction and the dip of the horizon.</source>
        <translation>Sorgere apparente: il bordo superiore del Sole sull&apos;orizzonte, con la rifrazione e la depressione dell&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Golden hour ends</source>
        <translation>Fine dell&apos;ora d&apos;oro</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees above the horizon, rising: the morning&apos;s golden hour ends.</source>
        <translation>Il centro del Sole 6 gradi sopra l&apos;orizzonte, in salita: finisce l&apos;ora d&apos;oro del mattino.</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Zuhr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Asr (shadow factor 2)</source>
        <translation>Asr (fattore d&apos;ombra 2)</translation>
    </message>
    <message>
        <source>Golden hour begins</source>
        <translation>Inizio dell&apos;ora d&apos;oro</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees above the horizon, setting: the evening&apos;s golden hour begins.</source>
        <translation>Il centro del Sole 6 gradi sopra l&apos;orizzonte, in discesa: inizia l&apos;ora d&apos;oro della sera.</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Apparent sunset: the Sun&apos;s upper limb on the horizon, with refraction and the dip of the horizon.</source>
        <translation>Tramonto apparente: il bordo superiore del Sole sull&apos;orizzonte, con la rifrazione e la depressione dell&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Fine del crepuscolo civile</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees below the horizon, setting: civil twilight ends.</source>
        <translation>Il centro del Sole 6 gradi sotto l&apos;orizzonte, in discesa: finisce il crepuscolo civile.</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Fine del crepuscolo nautico</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 12 degrees below the horizon, setting: nautical twilight ends.</source>
        <translation>Il centro del Sole 12 gradi sotto l&apos;orizzonte, in discesa: finisce il crepuscolo nautico.</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Fine del crepuscolo astronomico</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 18 degrees below the horizon, setting: astronomical twilight ends.</source>
        <translation>Il centro del Sole 18 gradi sotto l&apos;orizzonte, in discesa: finisce il crepuscolo astronomico.</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isha</translation>
    </message>
    <message>
        <source>unexpected argument &apos;calendar&apos;: the calendar subcommand comes first, as in tarvel-cli calendar --place Rome --date 2024-06-21 (see tarvel-cli calendar --help)</source>
        <translation>argomento inatteso &apos;calendar&apos;: il sottocomando calendar viene per primo, come in tarvel-cli calendar --place Rome --date 2024-06-21 (vedere tarvel-cli calendar --help)</translation>
    </message>
    <message>
        <source>%1 does not apply to calendar: every day is computed whole, with Delta T from the built-in model for its date</source>
        <translation>%1 non si applica a calendar: ogni giorno è calcolato per intero, con il Delta T del modello interno per la sua data</translation>
    </message>
    <message>
        <source>a comma list of events and groups, letter case ignored, such as prayers,sun; the events: %1; the groups: %2</source>
        <translation>un elenco di eventi e gruppi separati da virgole, senza distinzione tra maiuscole e minuscole, come prayers,sun; gli eventi: %1; i gruppi: %2</translation>
    </message>
    <message>
        <source>a whole number of days from %1 to %2</source>
        <translation>un numero intero di giorni da %1 a %2</translation>
    </message>
    <message>
        <source>the name of a file, or - for standard output</source>
        <translation>il nome di un file, o - per lo standard output</translation>
    </message>
    <message>
        <source>the chart could not be written to standard output</source>
        <translation>non è stato possibile scrivere il grafico sullo standard output</translation>
    </message>
    <message>
        <source>Unknown format: the file&apos;s name must end in .png or .svg</source>
        <translation>Formato sconosciuto: il nome del file deve terminare in .png o .svg</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;chart&apos;: the chart subcommand comes first, as in tarvel-cli chart --kind sunpath --output sun.svg (see tarvel-cli chart --help)</source>
        <translation>argomento inatteso &apos;chart&apos;: il sottocomando chart viene per primo, come in tarvel-cli chart --kind sunpath --output sun.svg (vedere tarvel-cli chart --help)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the name of a file ending in .svg or .png, in a folder that exists, or - for standard output</source>
        <translation>il nome di un file che termina in .svg o .png, in una cartella esistente, o - per lo standard output</translation>
    </message>
    <message>
        <source>a whole number of pixels, %1 to %2</source>
        <translation>un numero intero di pixel, da %1 a %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non prende alcun valore</translation>
    </message>
    <message>
        <source>%1 given more than once: give it once</source>
        <translation>%1 dato più di una volta: darlo una volta sola</translation>
    </message>
    <message>
        <source>%1 given more than once: give it once, with %2</source>
        <translation>%1 dato più di una volta: darlo una volta sola, con %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; not accepted: expected %3</source>
        <translation>%1 &apos;%2&apos; non accettato: si attende %3</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; the options are listed by %2 --help</source>
        <translation>opzione sconosciuta &apos;%1&apos;; le opzioni sono elencate da %2 --help</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (vedere %2 --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; %2 takes one QUERY: put a name of several words in quotes (see %2 --help)</source>
        <translation>argomento inatteso &apos;%1&apos;; %2 prende una sola QUERY: mettere tra virgolette un nome di più parole (vedere %2 --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; %2 takes options only (see %2 --help)</source>
        <translation>argomento inatteso &apos;%1&apos;; %2 prende solo opzioni (vedere %2 --help)</translation>
    </message>
    <message>
        <source>%1 is required (see %2 --help)</source>
        <translation>%1 è obbligatorio (vedere %2 --help)</translation>
    </message>
    <message>
        <source>--summer and --no-summer exclude each other: give at most one of them</source>
        <translation>--summer e --no-summer si escludono a vicenda: darne al più uno</translation>
    </message>
    <message>
        <source>%1 needs a value: %2</source>
        <translation>%1 richiede un valore: %2</translation>
    </message>
    <message>
        <source>the file of time zone %1 in this computer&apos;s tz database (%2) is damaged or unreadable</source>
        <translation>il file del fuso orario %1 nel database tz di questo computer (%2) è danneggiato o illeggibile</translation>
    </message>
    <message>
        <source>--zone &apos;%1&apos; not accepted by table: expected %2</source>
        <translation>--zone &apos;%1&apos; non accettato da table: si attende %2</translation>
    </message>
    <message>
        <source>--place &apos;%1&apos;: no such place in the list of cities</source>
        <translation>--place &apos;%1&apos;: nessun luogo con questo nome nell&apos;elenco delle città</translation>
    </message>
    <message>
        <source>--place &apos;%1&apos;: no such place; close names: %2</source>
        <translation>--place &apos;%1&apos;: nessun luogo con questo nome; nomi simili: %2</translation>
    </message>
    <message>
        <source>--delta-t does not apply to table: %1</source>
        <translation>--delta-t non si applica a table: %1</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD that exists, years 1 to 9999 (proleptic Gregorian calendar)</source>
        <translation>una data AAAA-MM-GG esistente, anni da 1 a 9999 (calendario gregoriano prolettico)</translation>
    </message>
    <message>
        <source>a clock time HH:MM or HH:MM:SS, hours 0 to 23, minutes 0 to 59, seconds 0 to below 60</source>
        <translation>un&apos;ora HH:MM o HH:MM:SS, ore da 0 a 23, minuti da 0 a 59, secondi da 0 a meno di 60</translation>
    </message>
    <message>
        <source>hours east of UTC from -12 to 14, as a decimal (5.75, -3.5) or as +HH:MM or -HH:MM</source>
        <translation>ore a est di UTC da -12 a 14, come numero decimale (5.75, -3.5) o come +HH:MM o -HH:MM</translation>
    </message>
    <message>
        <source>a time-zone name of the system&apos;s tz database, such as Europe/Rome or America/Sao_Paulo</source>
        <translation>il nome di un fuso orario del database tz del sistema, come Europe/Rome o America/Sao_Paulo</translation>
    </message>
    <message>
        <source>the name of a place of at least 1,000 inhabitants (its own, English or former name, accents optional), optionally narrowed by its region or country (&quot;Rome, Italy&quot;, &quot;Roma, Italia&quot;, &quot;Rome, Georgia&quot;); the best match: the whole name, then a capital, then the most populous</source>
        <translation>il nome di un luogo di almeno 1.000 abitanti (il suo, quello inglese o uno antico, accenti facoltativi), eventualmente precisato dalla regione o dal paese (&quot;Rome, Italy&quot;, &quot;Roma, Italia&quot;, &quot;Rome, Georgia&quot;); la corrispondenza migliore: il nome intero, poi una capitale, poi la più popolosa</translation>
    </message>
    <message>
        <source>a latitude in degrees from -90 to 90, negative south (or 33.9S, 45N)</source>
        <translation>una latitudine in gradi da -90 a 90, negativa a sud (o 33.9S, 45N)</translation>
    </message>
    <message>
        <source>a longitude in degrees from -180 to 180, negative west (or 12.5E, 74W)</source>
        <translation>una longitudine in gradi da -180 a 180, negativa a ovest (o 12.5E, 74W)</translation>
    </message>
    <message>
        <source>prayers with whole minutes, such as fajr=2,isha=-1: fajr, sunrise, zuhr, asr, maghrib, isha, each once, minutes from %1 to %2</source>
        <translation>preghiere con minuti interi, come fajr=2,isha=-1: fajr, sunrise, zuhr, asr, maghrib, isha, ciascuna una volta, minuti da %1 a %2</translation>
    </message>
    <message>
        <source>a height above sea level in metres from %1 to %2</source>
        <translation>un&apos;altezza sul livello del mare in metri da %1 a %2</translation>
    </message>
    <message>
        <source>an air pressure in mbar from %1 to %2</source>
        <translation>una pressione dell&apos;aria in mbar da %1 a %2</translation>
    </message>
    <message>
        <source>an air temperature in degrees Celsius from %1 to %2</source>
        <translation>una temperatura dell&apos;aria in gradi Celsius da %1 a %2</translation>
    </message>
    <message>
        <source>a height in metres from %1 to %2</source>
        <translation>un&apos;altezza in metri da %1 a %2</translation>
    </message>
    <message>
        <source>a relative humidity in percent from %1 to %2</source>
        <translation>un&apos;umidità relativa in percentuale da %1 a %2</translation>
    </message>
    <message>
        <source>a Sun altitude in degrees from %1 to %2</source>
        <translation>un&apos;altezza del Sole in gradi da %1 a %2</translation>
    </message>
    <message>
        <source>a number of minutes from %1 to %2</source>
        <translation>un numero di minuti da %1 a %2</translation>
    </message>
    <message>
        <source>every row takes Delta T from the built-in model for its own date</source>
        <translation>ogni riga prende il Delta T dal modello interno per la propria data</translation>
    </message>
    <message>
        <source>Delta T in seconds, a decimal number from %1 to %2</source>
        <translation>Delta T in secondi, un numero decimale da %1 a %2</translation>
    </message>
    <message>
        <source>Place: %1 (%2, %3)</source>
        <translation>Luogo: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>The time asked for does not exist on this date (the clocks were put forward): computed for %1, just after the change.</source>
        <translation>L&apos;ora richiesta non esiste in questa data (gli orologi sono stati portati avanti): calcolato per %1, subito dopo il cambio.</translation>
    </message>
    <message>
        <source>The time asked for occurs twice on this date (the clocks were put back): computed for its first occurrence, %1.</source>
        <translation>L&apos;ora richiesta ricorre due volte in questa data (gli orologi sono stati portati indietro): calcolato per la prima, %1.</translation>
    </message>
    <message>
        <source>Time zone: %1, %2 (summer time)</source>
        <translation>Fuso orario: %1, %2 (ora legale)</translation>
    </message>
    <message>
        <source>Time zone: %1, %2</source>
        <translation>Fuso orario: %1, %2</translation>
    </message>
    <message>
        <source>no place matches &apos;%1&apos;</source>
        <translation>nessun luogo corrisponde a &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no place matches &apos;%1&apos;; close names: %2</source>
        <translation>nessun luogo corrisponde a &apos;%1&apos;; nomi simili: %2</translation>
    </message>
    <message>
        <source>--ramadan applies only with %1: give it or leave --ramadan out</source>
        <translation>--ramadan si applica solo con %1: darlo o togliere --ramadan</translation>
    </message>
    <message>
        <source>--ramadan applies only with %1 or %2: give one of them or leave --ramadan out</source>
        <translation>--ramadan si applica solo con %1 o %2: darne uno o togliere --ramadan</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone is %1, outside the zones from -12 to 14 hours: give --zone or --tz</source>
        <translation>il fuso orario di questo computer è %1, fuori dai fusi da -12 a 14 ore: dare --zone o --tz</translation>
    </message>
    <message>
        <source>%1 and %2 exclude each other: %1 gives the site and its zone&apos;s clock</source>
        <translation>%1 e %2 si escludono a vicenda: %1 dà il luogo e l&apos;ora del suo fuso</translation>
    </message>
    <message>
        <source>%1 and %2 exclude each other: %1 gives the zone&apos;s clock, its offset and summer time</source>
        <translation>%1 e %2 si escludono a vicenda: %1 dà l&apos;ora del fuso, la sua differenza da UTC e l&apos;ora legale</translation>
    </message>
    <message>
        <source>%1: its time zone %2 is not in this computer&apos;s tz database</source>
        <translation>%1: il suo fuso orario %2 non è nel database tz di questo computer</translation>
    </message>
    <message>
        <source>row %1 could not be computed and has no values: %2</source>
        <translation>la riga %1 non è stata calcolata e non ha valori: %2</translation>
    </message>
    <message>
        <source>the table run was cancelled</source>
        <translation>il calcolo della tabella è stato annullato</translation>
    </message>
    <message>
        <source>--columns: empty column name in &quot;%1&quot;</source>
        <translation>--columns: nome di colonna vuoto in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--columns: unknown column &quot;%1&quot;; known columns: %2</source>
        <translation>--columns: colonna sconosciuta &quot;%1&quot;; colonne note: %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;table&apos;: the table subcommand comes first, as in tarvel-cli table --step 1 --unit days (see tarvel-cli table --help)</source>
        <translation>argomento inatteso &apos;table&apos;: il sottocomando table viene per primo, come in tarvel-cli table --step 1 --unit days (vedere tarvel-cli table --help)</translation>
    </message>
    <message>
        <source>this computer&apos;s standard zone (%1 hours east of UTC) is not a zone of the table: give --zone with %2</source>
        <translation>il fuso standard di questo computer (%1 ore a est di UTC) non è un fuso della tabella: dare --zone con %2</translation>
    </message>
    <message>
        <source>a step as a decimal number, %1 to %2</source>
        <translation>un passo come numero decimale, da %1 a %2</translation>
    </message>
    <message>
        <source>a whole number of rows, %1 to %2</source>
        <translation>un numero intero di righe, da %1 a %2</translation>
    </message>
    <message>
        <source>column names separated by commas, or all (listed by tarvel-cli table --help)</source>
        <translation>nomi di colonna separati da virgole, o all (elencati da tarvel-cli table --help)</translation>
    </message>
    <message>
        <source>the name of a file to write, in a folder that exists, or - for standard output</source>
        <translation>il nome di un file da scrivere, in una cartella esistente, o - per lo standard output</translation>
    </message>
    <message>
        <source>%1: a place&apos;s name has at most %2 bytes</source>
        <translation>%1: il nome di un luogo ha al più %2 byte</translation>
    </message>
    <message>
        <source>the places&apos; index %1 is missing or damaged: no place can be found by name (reinstall the program, or give --lat, --lon and --tz)</source>
        <translation>l&apos;indice dei luoghi %1 manca o è danneggiato: nessun luogo si può trovare per nome (reinstallare il programma, o dare --lat, --lon e --tz)</translation>
    </message>
    <message>
        <source>%1 of %2 rows written</source>
        <translation>%1 di %2 righe scritte</translation>
    </message>
    <message>
        <source>the table could not be written to standard output</source>
        <translation>non è stato possibile scrivere la tabella sullo standard output</translation>
    </message>
    <message>
        <source>the calendar could not be written to standard output</source>
        <translation>non è stato possibile scrivere il calendario sullo standard output</translation>
    </message>
    <message>
        <source>the texts in the language asked for (--lang %1) are not installed: the built-in Italian is used</source>
        <translation>i testi nella lingua richiesta (--lang %1) non sono installati: si usa l&apos;italiano incorporato</translation>
    </message>
    <message>
        <source>the results could not be written to standard output</source>
        <translation>non è stato possibile scrivere i risultati sullo standard output</translation>
    </message>
    <message>
        <source>one of the table&apos;s zones, in hours east of UTC (also as +HH:MM or -HH:MM): %1</source>
        <translation>uno dei fusi della tabella, in ore a est di UTC (anche come +HH:MM o -HH:MM): %1</translation>
    </message>
    <message>
        <source>Unknown format: the file&apos;s name must end in .svg, .pdf or .csv</source>
        <translation>Formato sconosciuto: il nome del file deve terminare in .svg, .pdf o .csv</translation>
    </message>
    <message>
        <source>unexpected argument &apos;sundial&apos;: the sundial subcommand comes first, as in tarvel-cli sundial --output dial.svg (see tarvel-cli sundial --help)</source>
        <translation>argomento inatteso &apos;sundial&apos;: il sottocomando sundial viene per primo, come in tarvel-cli sundial --output dial.svg (vedere tarvel-cli sundial --help)</translation>
    </message>
    <message>
        <source>the name of a file ending in .svg, .pdf or .csv, in a folder that exists</source>
        <translation>il nome di un file che termina in .svg, .pdf o .csv, in una cartella esistente</translation>
    </message>
    <message>
        <source>a comma list of hour systems, each once: %1</source>
        <translation>un elenco di sistemi orari separati da virgole, ciascuno una volta: %1</translation>
    </message>
    <message>
        <source>1, 2 or 4</source>
        <translation>1, 2 o 4</translation>
    </message>
    <message>
        <source>a comma list of solstices, equinoxes, zodiac and up to 24 dates YYYY-MM-DD, or none</source>
        <translation>un elenco separato da virgole di solstices, equinoxes, zodiac e fino a 24 date AAAA-MM-GG, oppure none</translation>
    </message>
    <message>
        <source>an angle in degrees from %1 to %2</source>
        <translation>un angolo in gradi da %1 a %2</translation>
    </message>
    <message>
        <source>a length in millimetres from %1 to %2</source>
        <translation>una lunghezza in millimetri da %1 a %2</translation>
    </message>
</context>
</TS>
