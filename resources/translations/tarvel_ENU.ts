<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
    <context>
        <name>CAboutDlg</name>
        <message>
            <source>"%1" versione %2.%3</source>
            <translation>"%1" version %2.%3</translation>
        </message>
        <message>
            <source>Pur essendo stato per quanto possibile verificato, non posso escludere che questo programma contenga ancora qualche errore. Declino peraltro ogni responsabilità per eventuali danni che possano derivarvi. Sarò inoltre grato a chi vorrà segnalarmi errori o inesattezze riscontrati.</source>
            <translation>Although this program has been checked as far as possible, I cannot rule out that it still contains some errors. I decline all responsibility for any damage that may result from it. I will be grateful to anyone who reports errors or inaccuracies they find.</translation>
        </message>
        <message>
            <source>Dati dei luoghi: GeoNames (https://www.geonames.org/), licenza CC BY 4.0. Fusi orari: tz database (pubblico dominio).</source>
            <translation>Place data: GeoNames (https://www.geonames.org/), license CC BY 4.0. Time zones: the tz database (public domain).</translation>
        </message>
        <message>
            <source>Informazioni su Tarvel</source>
            <translation>About Tarvel</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>CEphemerisTable</name>
        <message>
            <source>Creazione tabella delle effemeridi</source>
            <translation>Ephemeris table</translation>
        </message>
        <message>
            <source>DATA, ORA E LOCALITA'</source>
            <translation>DATE, TIME AND PLACE</translation>
        </message>
        <message>
            <source>PASSI DI CALCOLO</source>
            <translation>CALCULATION STEPS</translation>
        </message>
        <message>
            <source>ora estiva</source>
            <translation>summer time</translation>
        </message>
        <message>
            <source>latitudine (&lt;0 sud)</source>
            <translation>latitude (&lt;0 south)</translation>
        </message>
        <message>
            <source>longitudine (&lt;0 est)</source>
            <translation>longitude (&lt;0 east)</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>height [m]</translation>
        </message>
        <message>
            <source>n. di punti</source>
            <translation>no. of points</translation>
        </message>
        <message>
            <source>passo</source>
            <translation>step</translation>
        </message>
        <message>
            <source>Opzioni di output</source>
            <translation>Output options</translation>
        </message>
        <message>
            <source>Calcola</source>
            <translation>Compute</translation>
        </message>
        <message>
            <source>Copia nella clipboard</source>
            <translation>Copy to clipboard</translation>
        </message>
        <message>
            <source>Salva su file</source>
            <translation>Save to file</translation>
        </message>
        <message>
            <source>Annulla calcolo</source>
            <translation>Cancel calculation</translation>
        </message>
        <message>
            <source>Impossibile salvare %1: %2</source>
            <translation>Cannot save %1: %2</translation>
        </message>
    </context>
    <context>
        <name>COptionsDialog</name>
        <message>
            <source>Preferenze</source>
            <translation>Preferences</translation>
        </message>
        <message>
            <source>RIFRAZIONE ATMOSFERICA</source>
            <translation>ATMOSPHERIC REFRACTION</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ISLAMIC PRAYERS</translation>
        </message>
        <message>
            <source>formula di Bennett-Samudson</source>
            <translation>Bennett-Samudson formula</translation>
        </message>
        <message>
            <source>integrazione numerica</source>
            <translation>numerical integration</translation>
        </message>
        <message>
            <source>pressione [mbar]</source>
            <translation>pressure [mbar]</translation>
        </message>
        <message>
            <source>temperatura [ºC]</source>
            <translation>temperature [ºC]</translation>
        </message>
        <message>
            <source>condizioni standard</source>
            <translation>standard conditions</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>height [m]</translation>
        </message>
        <message>
            <source>umidità [%]</source>
            <translation>humidity [%]</translation>
        </message>
        <message>
            <source>altezza solare per Fajr [º]</source>
            <translation>Sun altitude for Fajr [º]</translation>
        </message>
        <message>
            <source>altezza solare per Isha [º]</source>
            <translation>Sun altitude for Isha [º]</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Valori di default</source>
            <translation>Default values</translation>
        </message>
        <message>
            <source>metodo di calcolo</source>
            <translation>calculation method</translation>
        </message>
        <message>
            <source>Tarvel (predefinito)</source>
            <translation>Tarvel (default)</translation>
        </message>
        <message>
            <source>personalizzato</source>
            <translation>custom</translation>
        </message>
        <message>
            <source>Ramadan (Umm al-Qura: Isha 120 min)</source>
            <translation>Ramadan (Umm al-Qura: Isha 120 min)</translation>
        </message>
        <message>
            <source>regola per le alte latitudini</source>
            <translation>high-latitude rule</translation>
        </message>
        <message>
            <source>nessuna</source>
            <translation>none</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <translation>middle of the night</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <translation>one seventh of the night</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <translation>angle/60 of the night</translation>
        </message>
        <message>
            <source>correzioni [min]</source>
            <translation>adjustments [min]</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>alba</source>
            <translation>sunrise</translation>
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
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isha</translation>
        </message>
        <message>
            <source>%1 min dopo Maghrib</source>
            <translation>%1 min after Maghrib</translation>
        </message>
        <message>
            <source>raccomandata</source>
            <translation>recommended</translation>
        </message>
        <message>
            <source>regola polare</source>
            <translation>polar rule</translation>
        </message>
        <message>
            <source>latitudine più vicina</source>
            <translation>nearest latitude</translation>
        </message>
        <message>
            <source>giorno più vicino</source>
            <translation>nearest day</translation>
        </message>
        <message>
            <source>shafaq (Isha)</source>
            <translation>shafaq (Isha)</translation>
        </message>
        <message>
            <source>generale</source>
            <translation>general</translation>
        </message>
        <message>
            <source>rosso (ahmar)</source>
            <translation>red (ahmar)</translation>
        </message>
        <message>
            <source>bianco (abyad)</source>
            <translation>white (abyad)</translation>
        </message>
        <message>
            <source>Isha dopo Maghrib [min]</source>
            <translation>Isha after Maghrib [min]</translation>
        </message>
        <message>
            <source>angolo di Maghrib [º]</source>
            <translation>Maghrib angle [º]</translation>
        </message>
        <message>
            <source>arrotondamento</source>
            <translation>rounding</translation>
        </message>
        <message>
            <source>nessuno</source>
            <translation>none</translation>
        </message>
        <message>
            <source>al minuto più vicino</source>
            <translation>to the nearest minute</translation>
        </message>
        <message>
            <source>al minuto successivo</source>
            <translation>up to the next minute</translation>
        </message>
        <message>
            <source>calendario dell&apos;Egira</source>
            <translation>Hijri calendar</translation>
        </message>
        <message>
            <source>Umm al-Qura</source>
            <translation>Umm al-Qura</translation>
        </message>
        <message>
            <source>tabulare</source>
            <translation>tabular</translation>
        </message>
    </context>
    <context>
        <name>CTableOptions</name>
        <message>
            <source>DeltaT</source>
            <translation>DeltaT</translation>
        </message>
        <message>
            <source>GMST</source>
            <translation>GMST</translation>
        </message>
        <message>
            <source>LMST</source>
            <translation>LMST</translation>
        </message>
        <message>
            <source>JD</source>
            <translation>JD</translation>
        </message>
        <message>
            <source>EdT</source>
            <translation>EoT</translation>
        </message>
        <message>
            <source>diff. longitudine</source>
            <translation>longitude diff.</translation>
        </message>
        <message>
            <source>tempo medio</source>
            <translation>mean time</translation>
        </message>
        <message>
            <source>ora vera fuso</source>
            <translation>true zone time</translation>
        </message>
        <message>
            <source>ora vera locale</source>
            <translation>true local time</translation>
        </message>
        <message>
            <source>italica</source>
            <translation>Italian</translation>
        </message>
        <message>
            <source>babilonese</source>
            <translation>Babylonian</translation>
        </message>
        <message>
            <source>temporale</source>
            <translation>temporal</translation>
        </message>
        <message>
            <source>latitudine</source>
            <translation>latitude</translation>
        </message>
        <message>
            <source>longitudine</source>
            <translation>longitude</translation>
        </message>
        <message>
            <source>ascensione retta</source>
            <translation>right ascension</translation>
        </message>
        <message>
            <source>declinazione</source>
            <translation>declination</translation>
        </message>
        <message>
            <source>ora</source>
            <translation>time</translation>
        </message>
        <message>
            <source>azimut/altezza</source>
            <translation>azimuth/altitude</translation>
        </message>
        <message>
            <source>ore di luce</source>
            <translation>daylight hours</translation>
        </message>
        <message>
            <source>azimut</source>
            <translation>azimuth</translation>
        </message>
        <message>
            <source>altezza</source>
            <translation>altitude</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
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
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isha</translation>
        </message>
        <message>
            <source>Qibla</source>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>ora della Qibla</source>
            <translation>Qibla time</translation>
        </message>
        <message>
            <source>gg:mm:ss</source>
            <translation>dd:mm:ss</translation>
        </message>
        <message>
            <source>ggg.gggggg</source>
            <translation>ddd.dddddd</translation>
        </message>
        <message>
            <source>hh:mm:ss</source>
            <translation>hh:mm:ss</translation>
        </message>
        <message>
            <source>hh.hhhhhh</source>
            <translation>hh.hhhhhh</translation>
        </message>
        <message>
            <source>Seleziona tutto</source>
            <translation>Select all</translation>
        </message>
        <message>
            <source>Deseleziona tutto</source>
            <translation>Deselect all</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>MISURE DEL TEMPO</source>
            <translation>TIME MEASURES</translation>
        </message>
        <message>
            <source>SORGE...TRAMONTA (VALORI GEOMETRICI)</source>
            <translation>RISE...SET (GEOMETRIC VALUES)</translation>
        </message>
        <message>
            <source>SORGE...TRAMONTA (VALORI APPARENTI)</source>
            <translation>RISE...SET (APPARENT VALUES)</translation>
        </message>
        <message>
            <source>COORDINATE ECLITTICHE</source>
            <translation>ECLIPTIC COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI GEOCENTRICHE</source>
            <translation>GEOCENTRIC EQUATORIAL COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI TOPOCENTRICHE</source>
            <translation>TOPOCENTRIC EQUATORIAL COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE ALTAZIMUTALI</source>
            <translation>HORIZONTAL COORDINATES</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ISLAMIC PRAYERS</translation>
        </message>
        <message>
            <source>formato angoli</source>
            <translation>angle format</translation>
        </message>
        <message>
            <source>formato ore</source>
            <translation>hour format</translation>
        </message>
        <message>
            <source>Opzioni per la tabella delle effemeridi</source>
            <translation>Ephemeris table options</translation>
        </message>
        <message>
            <source>Shuruq</source>
            <translation>Shuruq</translation>
        </message>
        <message>
            <source>crepuscolo civile</source>
            <translation>civil twilight</translation>
        </message>
        <message>
            <source>crepuscolo nautico</source>
            <translation>nautical twilight</translation>
        </message>
        <message>
            <source>crepuscolo astronomico</source>
            <translation>astronomical twilight</translation>
        </message>
        <message>
            <source>ora dorata</source>
            <translation>golden hour</translation>
        </message>
        <message>
            <source>notte</source>
            <translation>night</translation>
        </message>
        <message>
            <source>SHURUQ, CREPUSCOLI E NOTTE</source>
            <translation>SHURUQ, TWILIGHTS AND NIGHT</translation>
        </message>
    </context>
    <context>
        <name>CTarvelDlg</name>
        <message>
            <source>Ora data dal limite stagionale del Moonsighting Committee.</source>
            <translation>Time given by the Moonsighting Committee's seasonal limit.</translation>
        </message>
        <message>
            <source>Il Sole non raggiunge l'altezza del Maghrib: ora data dall'intervallo dopo il tramonto.</source>
            <translation>The Sun does not reach Maghrib's altitude: time given by the interval after sunset.</translation>
        </message>
        <message>
            <source>Ora data dalla regola polare: latitudine più vicina, %1°.</source>
            <translation>Time given by the polar rule: nearest latitude, %1°.</translation>
        </message>
        <message>
            <source>Ora data dalla regola polare: giorno più vicino, %1.</source>
            <translation>Time given by the polar rule: nearest day, %1.</translation>
        </message>
        <message>
            <source>ora blu del mattino</source>
            <translation>blue hour, morning</translation>
        </message>
        <message>
            <source>ora dorata del mattino</source>
            <translation>golden hour, morning</translation>
        </message>
        <message>
            <source>ora dorata della sera</source>
            <translation>golden hour, evening</translation>
        </message>
        <message>
            <source>ora blu della sera</source>
            <translation>blue hour, evening</translation>
        </message>
        <message>
            <source>data dell'Egira</source>
            <translation>Hijri date</translation>
        </message>
        <message>
            <source>variazione</source>
            <translation>change</translation>
        </message>
        <message>
            <source>Variazione delle ore di luce apparenti rispetto al giorno prima.</source>
            <translation>Change of the apparent daylight from the previous day.</translation>
        </message>
        <message>
            <source>it</source>
            <translation>en</translation>
        </message>
        <message>
            <source>Per le preghiere la sera, dal Maghrib, appartiene al giorno seguente del calendario dell'Egira: %1.</source>
            <translation>For prayer purposes the evening, from Maghrib on, belongs to the next Hijri day: %1.</translation>
        </message>
        <message>
            <source>Ora dell&apos;orologio in vigore a quell&apos;istante: %1</source>
            <translation>On the clock in force at that instant: %1</translation>
        </message>
        <message>
            <source>ora estiva</source>
            <translation>summer time</translation>
        </message>
        <message>
            <source>latitudine (&lt;0 sud)</source>
            <translation>latitude (&lt;0 south)</translation>
        </message>
        <message>
            <source>longitudine (&lt;0 est)</source>
            <translation>longitude (&lt;0 east)</translation>
        </message>
        <message>
            <source>GMST</source>
            <translation>GMST</translation>
        </message>
        <message>
            <source>LMST</source>
            <translation>LMST</translation>
        </message>
        <message>
            <source>DeltaT</source>
            <translation>DeltaT</translation>
        </message>
        <message>
            <source>Julian day</source>
            <translation>Julian day</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>height [m]</translation>
        </message>
        <message>
            <source>latitudine</source>
            <translation>latitude</translation>
        </message>
        <message>
            <source>longitudine</source>
            <translation>longitude</translation>
        </message>
        <message>
            <source>AR</source>
            <translation>RA</translation>
        </message>
        <message>
            <source>declinazione</source>
            <translation>declination</translation>
        </message>
        <message>
            <source>azimut</source>
            <translation>azimuth</translation>
        </message>
        <message>
            <source>altezza</source>
            <translation>altitude</translation>
        </message>
        <message>
            <source>rifrazione</source>
            <translation>refraction</translation>
        </message>
        <message>
            <source>altezza con rifrazione</source>
            <translation>refracted altitude</translation>
        </message>
        <message>
            <source>sorge</source>
            <translation>rises</translation>
        </message>
        <message>
            <source>tramonta</source>
            <translation>sets</translation>
        </message>
        <message>
            <source>transita</source>
            <translation>transits</translation>
        </message>
        <message>
            <source>EdT</source>
            <translation>EoT</translation>
        </message>
        <message>
            <source>differenza di longitudine</source>
            <translation>longitude difference</translation>
        </message>
        <message>
            <source>ora vera del fuso</source>
            <translation>true zone time</translation>
        </message>
        <message>
            <source>ora vera locale</source>
            <translation>true local time</translation>
        </message>
        <message>
            <source>ora media locale</source>
            <translation>mean local time</translation>
        </message>
        <message>
            <source>ora media del fuso</source>
            <translation>mean zone time</translation>
        </message>
        <message>
            <source>ora italica</source>
            <translation>Italian hours</translation>
        </message>
        <message>
            <source>ora babilonese</source>
            <translation>Babylonian hours</translation>
        </message>
        <message>
            <source>ora temporale</source>
            <translation>temporal hours</translation>
        </message>
        <message>
            <source>ore di luce</source>
            <translation>daylight hours</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <translation>Zuhr</translation>
        </message>
        <message>
            <source>Asr 1</source>
            <translation>Asr 1</translation>
        </message>
        <message>
            <source>Asr 2</source>
            <translation>Asr 2</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isha</translation>
        </message>
        <message>
            <source>Qibla</source>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>ore al tramonto</source>
            <translation>hours to sunset</translation>
        </message>
        <message>
            <source>auto</source>
            <translation>auto</translation>
        </message>
        <message>
            <source>manuale</source>
            <translation>manual</translation>
        </message>
        <message>
            <source>adesso</source>
            <translation>now</translation>
        </message>
        <message>
            <source>ora Qibla</source>
            <translation>Qibla time</translation>
        </message>
        <message>
            <source>DATA, ORA E LOCALITA'</source>
            <translation>DATE, TIME AND PLACE</translation>
        </message>
        <message>
            <source>MISURE DEL TEMPO</source>
            <translation>TIME MEASURES</translation>
        </message>
        <message>
            <source>COORDINATE ECLITTICHE</source>
            <translation>ECLIPTIC COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI GEOCENTRICHE</source>
            <translation>GEOCENTRIC EQUATORIAL COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI TOPOCENTRICHE</source>
            <translation>TOPOCENTRIC EQUATORIAL COORDINATES</translation>
        </message>
        <message>
            <source>COORDINATE ALTAZIMUTALI</source>
            <translation>HORIZONTAL COORDINATES</translation>
        </message>
        <message>
            <source>VALORI GEOMETRICI</source>
            <translation>GEOMETRIC VALUES</translation>
        </message>
        <message>
            <source>VALORI APPARENTI</source>
            <translation>APPARENT VALUES</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ISLAMIC PRAYERS</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Esci</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>&amp;Calcola</source>
            <translation>&amp;Compute</translation>
        </message>
        <message>
            <source>&amp;Tabella</source>
            <translation>&amp;Table</translation>
        </message>
        <message>
            <source>&amp;Grafici...</source>
            <translation>&amp;Charts...</translation>
        </message>
        <message>
            <source>&amp;Impostazioni</source>
            <translation>&amp;Settings</translation>
        </message>
        <message>
            <source>&amp;Lingua</source>
            <translation>&amp;Language</translation>
        </message>
        <message>
            <source>&amp;Italiano</source>
            <translation>&amp;Italian</translation>
        </message>
        <message>
            <source>In&amp;glese</source>
            <translation>&amp;English</translation>
        </message>
        <message>
            <source>&amp;Portoghese</source>
            <translation>&amp;Portuguese</translation>
        </message>
        <message>
            <source>&amp;Preferenze...</source>
            <translation>&amp;Preferences...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>Informazioni su Tarvel...</source>
            <translation>About Tarvel...</translation>
        </message>
        <message>
            <source>EST</source>
            <translation>EAST</translation>
        </message>
        <message>
            <source>OVEST</source>
            <translation>WEST</translation>
        </message>
        <message>
            <source>Giorno polare: in questa data il Sole non scende sotto l'orizzonte.</source>
            <translation>Polar day: on this date the Sun does not go below the horizon.</translation>
        </message>
        <message>
            <source>Notte polare: in questa data il Sole non sale sopra l'orizzonte.</source>
            <translation>Polar night: on this date the Sun does not rise above the horizon.</translation>
        </message>
        <message>
            <source>In questa data il Sole non raggiunge l'altezza di questa preghiera.</source>
            <translation>On this date the Sun does not reach the altitude of this prayer.</translation>
        </message>
        <message>
            <source>Evento assente in questa data: sull'orologio cade il giorno prima o il giorno dopo.</source>
            <translation>No such event on this date: on the clock it falls on the day before or the day after.</translation>
        </message>
        <message>
            <source>In questa data il Sole non passa per la direzione della Qibla fra il sorgere e il tramonto.</source>
            <translation>On this date the Sun does not pass the direction of the Qibla between sunrise and sunset.</translation>
        </message>
        <message>
            <source>LOCALITA' E FUSO ORARIO</source>
            <translation>PLACE AND TIME ZONE</translation>
        </message>
        <message>
            <source>località</source>
            <translation>place</translation>
        </message>
        <message>
            <source>fuso per nome</source>
            <translation>zone by name</translation>
        </message>
        <message>
            <source>Il giorno dopo (+1 giorno): %1</source>
            <translation>The next day (+1 day): %1</translation>
        </message>
        <message>
            <source>Il giorno prima (-1 giorno): %1</source>
            <translation>The previous day (-1 day): %1</translation>
        </message>
        <message>
            <source>PERSONALIZZATO</source>
            <translation>CUSTOM</translation>
        </message>
        <message>
            <source>CREPUSCOLI E NOTTE</source>
            <translation>TWILIGHTS AND NIGHT</translation>
        </message>
        <message>
            <source>alba astronomica</source>
            <translation>astronomical dawn</translation>
        </message>
        <message>
            <source>crepuscolo astronomico</source>
            <translation>astronomical dusk</translation>
        </message>
        <message>
            <source>alba nautica</source>
            <translation>nautical dawn</translation>
        </message>
        <message>
            <source>crepuscolo nautico</source>
            <translation>nautical dusk</translation>
        </message>
        <message>
            <source>alba civile</source>
            <translation>civil dawn</translation>
        </message>
        <message>
            <source>crepuscolo civile</source>
            <translation>civil dusk</translation>
        </message>
        <message>
            <source>fine ora dorata</source>
            <translation>golden hour ends</translation>
        </message>
        <message>
            <source>inizio ora dorata</source>
            <translation>golden hour starts</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <translation>middle of the night</translation>
        </message>
        <message>
            <source>inizio ultimo terzo</source>
            <translation>last third starts</translation>
        </message>
        <message>
            <source>In questa data il Sole non raggiunge l'altezza di questo evento.</source>
            <translation>On this date the Sun does not reach the altitude of this event.</translation>
        </message>
        <message>
            <source>Shuruq</source>
            <translation>Shuruq</translation>
        </message>
        <message>
            <source>Asr</source>
            <translation>Asr</translation>
        </message>
        <message>
            <source>MWL</source>
            <translation>MWL</translation>
        </message>
        <message>
            <source>ISNA</source>
            <translation>ISNA</translation>
        </message>
        <message>
            <source>EGITTO</source>
            <translation>EGYPT</translation>
        </message>
        <message>
            <source>MECCA</source>
            <translation>MAKKAH</translation>
        </message>
        <message>
            <source>KARACHI</source>
            <translation>KARACHI</translation>
        </message>
        <message>
            <source>TEHERAN</source>
            <translation>TEHRAN</translation>
        </message>
        <message>
            <source>DUBAI</source>
            <translation>DUBAI</translation>
        </message>
        <message>
            <source>KUWAIT</source>
            <translation>KUWAIT</translation>
        </message>
        <message>
            <source>QATAR</source>
            <translation>QATAR</translation>
        </message>
        <message>
            <source>SINGAPORE</source>
            <translation>SINGAPORE</translation>
        </message>
        <message>
            <source>TURCHIA</source>
            <translation>TURKEY</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <translation>one seventh of the night</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <translation>angle/60 of the night</translation>
        </message>
        <message>
            <source>Ora data dalla regola per le alte latitudini: %1.</source>
            <translation>Time given by the high-latitude rule: %1.</translation>
        </message>
        <message>
            <source>%1 fra %2 min</source>
            <translation>%1 in %2 min</translation>
        </message>
        <message>
            <source>%1 fra %2 h %3 min</source>
            <translation>%1 in %2 h %3 min</translation>
        </message>
        <message>
            <source>Qibla da nord</source>
            <translation>Qibla from north</translation>
        </message>
        <message>
            <source>La prossima preghiera del metodo scelto e il tempo che manca.</source>
            <translation>The chosen method&apos;s next prayer and the time left until it.</translation>
        </message>
        <message>
            <source>Direzione della Qibla in gradi da nord verso est.</source>
            <translation>Direction of the Qibla in degrees from north through east.</translation>
        </message>
        <message>
            <source>MOONSIGHTING</source>
            <translation>MOONSIGHTING</translation>
        </message>
    </context>
    <context>
        <name>CWSplash</name>
        <message>
            <source>calcolo di</source>
            <translation>calculation of</translation>
        </message>
        <message>
            <source>Tarvel</source>
            <translation>Tarvel</translation>
        </message>
        <message>
            <source>:/tarvel/splash_ITA.png</source>
            <translation>:/tarvel/splash_ENU.png</translation>
        </message>
    </context>
    <context>
        <name>ChartTexts</name>
        <message>
            <source>Percorso del Sole</source>
            <translation>Sun path</translation>
        </message>
        <message>
            <source>Percorsi del Sole il 21 di ogni mese</source>
            <translation>Sun paths on the 21st of each month</translation>
        </message>
        <message>
            <source>Analemma</source>
            <translation>Analemma</translation>
        </message>
        <message>
            <source>Analemma alle %1 del fuso (senza ora legale), %2</source>
            <translation>Analemma at %1 zone time (without summer time), %2</translation>
        </message>
        <message>
            <source>Equazione del tempo</source>
            <translation>Equation of time</translation>
        </message>
        <message>
            <source>Giorno e crepuscoli nell'anno</source>
            <translation>Day and twilights over the year</translation>
        </message>
        <message>
            <source>Azimut in gradi da nord verso est (nel programma: da sud verso ovest)</source>
            <translation>Azimuth in degrees from north through east (in the program: from south through west)</translation>
        </message>
        <message>
            <source>Azimut (gradi da nord verso est)</source>
            <translation>Azimuth (degrees from north through east)</translation>
        </message>
        <message>
            <source>Altezza (gradi)</source>
            <translation>Altitude (degrees)</translation>
        </message>
        <message>
            <source>Equazione del tempo (minuti)</source>
            <translation>Equation of time (minutes)</translation>
        </message>
        <message>
            <source>Declinazione (gradi)</source>
            <translation>Declination (degrees)</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Ora dell'orologio</source>
            <translation>Clock time</translation>
        </message>
        <message>
            <source>Durata del giorno (ore)</source>
            <translation>Day length (hours)</translation>
        </message>
        <message>
            <source>Sorgere e tramonto</source>
            <translation>Sunrise and sunset</translation>
        </message>
        <message>
            <source>Culminazione</source>
            <translation>Transit</translation>
        </message>
        <message>
            <source>Sole adesso</source>
            <translation>Sun now</translation>
        </message>
        <message>
            <source>Orizzonte vero</source>
            <translation>True horizon</translation>
        </message>
        <message>
            <source>Orizzonte apparente</source>
            <translation>Apparent horizon</translation>
        </message>
        <message>
            <source>Crepuscolo civile</source>
            <translation>Civil twilight</translation>
        </message>
        <message>
            <source>Crepuscolo nautico</source>
            <translation>Nautical twilight</translation>
        </message>
        <message>
            <source>Crepuscolo astronomico</source>
            <translation>Astronomical twilight</translation>
        </message>
        <message>
            <source>Qibla</source>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>Solstizio d'estate</source>
            <translation>Summer solstice</translation>
        </message>
        <message>
            <source>Equinozi</source>
            <translation>Equinoxes</translation>
        </message>
        <message>
            <source>Solstizio d'inverno</source>
            <translation>Winter solstice</translation>
        </message>
        <message>
            <source>Altri mesi</source>
            <translation>Other months</translation>
        </message>
        <message>
            <source>Primo del mese</source>
            <translation>First of the month</translation>
        </message>
        <message>
            <source>Equinozio</source>
            <translation>Equinox</translation>
        </message>
        <message>
            <source>Solstizio</source>
            <translation>Solstice</translation>
        </message>
        <message>
            <source>Massimi e minimi</source>
            <translation>Maxima and minima</translation>
        </message>
        <message>
            <source>Giorno</source>
            <translation>Day</translation>
        </message>
        <message>
            <source>Notte</source>
            <translation>Night</translation>
        </message>
        <message>
            <source>Durata del giorno</source>
            <translation>Day length</translation>
        </message>
        <message>
            <source>%1 min, %2</source>
            <translation>%1 min, %2</translation>
        </message>
        <message>
            <source>Azimut %1° (da nord), altezza %2°</source>
            <translation>Azimuth %1° (from north), altitude %2°</translation>
        </message>
        <message>
            <source>Equazione del tempo %1 min, declinazione %2°</source>
            <translation>Equation of time %1 min, declination %2°</translation>
        </message>
        <message>
            <source>%1: equazione del tempo %2 min</source>
            <translation>%1: equation of time %2 min</translation>
        </message>
        <message>
            <source>%1: ore %2; sorgere %3, tramonto %4, durata del giorno %5</source>
            <translation>%1: time %2; sunrise %3, sunset %4, day length %5</translation>
        </message>
        <message>
            <source>Impossibile scrivere il file %1</source>
            <translation>Cannot write the file %1</translation>
        </message>
        <message>
            <source>Formato non riconosciuto: il nome del file deve finire in .png o .svg</source>
            <translation>Unknown format: the file name must end in .png or .svg</translation>
        </message>
        <message>
            <source>N</source>
            <translation>N</translation>
        </message>
        <message>
            <source>NE</source>
            <translation>NE</translation>
        </message>
        <message>
            <source>E</source>
            <translation>E</translation>
        </message>
        <message>
            <source>SE</source>
            <translation>SE</translation>
        </message>
        <message>
            <source>S</source>
            <translation>S</translation>
        </message>
        <message>
            <source>SO</source>
            <translation>SW</translation>
        </message>
        <message>
            <source>O</source>
            <translation>W</translation>
        </message>
        <message>
            <source>NO</source>
            <translation>NW</translation>
        </message>
        <message>
            <source>gen</source>
            <translation>Jan</translation>
        </message>
        <message>
            <source>feb</source>
            <translation>Feb</translation>
        </message>
        <message>
            <source>mar</source>
            <translation>Mar</translation>
        </message>
        <message>
            <source>apr</source>
            <translation>Apr</translation>
        </message>
        <message>
            <source>mag</source>
            <translation>May</translation>
        </message>
        <message>
            <source>giu</source>
            <translation>Jun</translation>
        </message>
        <message>
            <source>lug</source>
            <translation>Jul</translation>
        </message>
        <message>
            <source>ago</source>
            <translation>Aug</translation>
        </message>
        <message>
            <source>set</source>
            <translation>Sep</translation>
        </message>
        <message>
            <source>ott</source>
            <translation>Oct</translation>
        </message>
        <message>
            <source>nov</source>
            <translation>Nov</translation>
        </message>
        <message>
            <source>dic</source>
            <translation>Dec</translation>
        </message>
        <message>
            <source>Proiezione stereografica: lo zenit al centro, il nord in alto, l'est a destra</source>
            <translation>Stereographic projection: the zenith in the middle, north up, east to the right</translation>
        </message>
        <message>
            <source>%1, ora legale %2</source>
            <translation>%1, summer time %2</translation>
        </message>
        <message>
            <source>%1, fuso %2</source>
            <translation>%1, time zone %2</translation>
        </message>
        <message>
            <source>Sole a %1°</source>
            <translation>Sun at %1°</translation>
        </message>
        <message>
            <source>Data scelta</source>
            <translation>Chosen date</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
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
            <source>Maghrib</source>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <translation>Isha</translation>
        </message>
        <message>
            <source>Sole il %1 alle %2: azimut %3° (da nord), altezza %4°</source>
            <translation>Sun on %1 at %2: azimuth %3° (from north), altitude %4°</translation>
        </message>
        <message>
            <source>Mattino e sera: crepuscolo astronomico %1 e %2, nautico %3 e %4, civile %5 e %6</source>
            <translation>Morning and evening: astronomical twilight %1 and %2, nautical %3 and %4, civil %5 and %6</translation>
        </message>
        <message>
            <source>Orologio solare orizzontale</source>
            <translation>Horizontal sundial</translation>
        </message>
        <message>
            <source>Orologio solare verticale</source>
            <translation>Vertical sundial</translation>
        </message>
        <message>
            <source>Orologio solare equatoriale</source>
            <translation>Equatorial sundial</translation>
        </message>
        <message>
            <source>Orologio solare polare</source>
            <translation>Polar sundial</translation>
        </message>
        <message>
            <source>Ore vere (tempo solare vero)</source>
            <translation>True hours (apparent solar time)</translation>
        </message>
        <message>
            <source>Tempo medio del fuso %1 (curve a otto)</source>
            <translation>Mean time of the zone %1 (figure-eight curves)</translation>
        </message>
        <message>
            <source>Ore italiche (dal tramonto)</source>
            <translation>Italian hours (since sunset)</translation>
        </message>
        <message>
            <source>Ore babiloniche (dall'alba)</source>
            <translation>Babylonian hours (since sunrise)</translation>
        </message>
        <message>
            <source>Ore temporali (dodicesimi del giorno)</source>
            <translation>Temporal hours (twelfths of the day)</translation>
        </message>
        <message>
            <source>Parete declinante %1° (da sud, positiva verso ovest), inclinazione %2°</source>
            <translation>Wall declining %1° (from the south, positive towards the west), inclination %2°</translation>
        </message>
        <message>
            <source>Nodo a %1 mm dal piano; stilo polare a %2° sul piano, lungo %3 mm; sustilare a %4° dalla verticale del piano (positiva se scende verso destra)</source>
            <translation>Nodus %1 mm from the plate; polar style at %2° to the plate, %3 mm long; substyle at %4° from the plate's vertical (positive when it runs down to the right)</translation>
        </message>
        <message>
            <source>Nodo a %1 mm dal piano; stilo polare parallelo al piano</source>
            <translation>Nodus %1 mm from the plate; polar style parallel to the plate</translation>
        </message>
        <message>
            <source>Sole sul quadrante il %1: %2 (tempo solare vero)</source>
            <translation>Sun on the dial on %1: %2 (apparent solar time)</translation>
        </message>
        <message>
            <source>mai</source>
            <translation>never</translation>
        </message>
        <message>
            <source>Scala 1:1: la barra misura 100 mm</source>
            <translation>Scale 1:1: the bar measures 100 mm</translation>
        </message>
        <message>
            <source>Sagoma dello gnomone (scala 1:1)</source>
            <translation>Gnomon template (scale 1:1)</translation>
        </message>
    </context>
    <context>
        <name>ChartsWindow</name>
        <message>
            <source>Grafici</source>
            <translation>Charts</translation>
        </message>
        <message>
            <source>Percorso del Sole</source>
            <translation>Sun path</translation>
        </message>
        <message>
            <source>Percorsi nell'anno</source>
            <translation>Paths over the year</translation>
        </message>
        <message>
            <source>Analemma</source>
            <translation>Analemma</translation>
        </message>
        <message>
            <source>Equazione del tempo</source>
            <translation>Equation of time</translation>
        </message>
        <message>
            <source>Giorno e crepuscoli</source>
            <translation>Day and twilights</translation>
        </message>
        <message>
            <source>Preghiere</source>
            <translation>Prayers</translation>
        </message>
        <message>
            <source>Mostra le preghiere del metodo scelto nel grafico del giorno</source>
            <translation>Shows the prayers of the chosen method in the day chart</translation>
        </message>
        <message>
            <source>Esporta PNG...</source>
            <translation>Export PNG...</translation>
        </message>
        <message>
            <source>Esporta SVG...</source>
            <translation>Export SVG...</translation>
        </message>
        <message>
            <source>Esporta PNG</source>
            <translation>Export PNG</translation>
        </message>
        <message>
            <source>Esporta SVG</source>
            <translation>Export SVG</translation>
        </message>
        <message>
            <source>Immagini PNG (*.png)</source>
            <translation>PNG images (*.png)</translation>
        </message>
        <message>
            <source>Disegni SVG (*.svg)</source>
            <translation>SVG drawings (*.svg)</translation>
        </message>
        <message>
            <source>Polare</source>
            <translation>Polar</translation>
        </message>
        <message>
            <source>Il percorso del Sole in proiezione stereografica: lo zenit al centro, il nord in alto</source>
            <translation>The Sun's path in stereographic projection: the zenith in the middle, north up</translation>
        </message>
        <message>
            <source>Dimensioni dell&apos;immagine</source>
            <translation>Picture size</translation>
        </message>
        <message>
            <source> pixel</source>
            <translation> pixels</translation>
        </message>
        <message>
            <source>Larghezza:</source>
            <translation>Width:</translation>
        </message>
        <message>
            <source>Altezza:</source>
            <translation>Height:</translation>
        </message>
        <message>
            <source>Il grafico è disposto come nella finestra e disegnato più grande.</source>
            <translation>The chart is laid out as in the window and drawn larger.</translation>
        </message>
        <message>
            <source>Orologio solare</source>
            <translation>Sundial</translation>
        </message>
        <message>
            <source>Orizzontale</source>
            <translation>Horizontal</translation>
        </message>
        <message>
            <source>Verticale</source>
            <translation>Vertical</translation>
        </message>
        <message>
            <source>Equatoriale</source>
            <translation>Equatorial</translation>
        </message>
        <message>
            <source>Vere</source>
            <translation>True</translation>
        </message>
        <message>
            <source>Medie</source>
            <translation>Mean</translation>
        </message>
        <message>
            <source>Italiche</source>
            <translation>Italian</translation>
        </message>
        <message>
            <source>Babiloniche</source>
            <translation>Babylonian</translation>
        </message>
        <message>
            <source>Temporali</source>
            <translation>Temporal</translation>
        </message>
        <message>
            <source>Solstizi ed equinozi</source>
            <translation>Solstices and equinoxes</translation>
        </message>
        <message>
            <source>Segni dello zodiaco</source>
            <translation>Signs of the zodiac</translation>
        </message>
        <message>
            <source>Nessuna linea di data</source>
            <translation>No date lines</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> mm</translation>
        </message>
        <message>
            <source>La direzione verso cui guarda la parete, da sud, positiva verso ovest</source>
            <translation>The direction the wall faces, from the south, positive towards the west</translation>
        </message>
        <message>
            <source>La distanza del nodo dal piano</source>
            <translation>The nodus' distance from the plate</translation>
        </message>
        <message>
            <source>Il lato del quadrante quadrato</source>
            <translation>The side of the square plate</translation>
        </message>
        <message>
            <source>Tipo:</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>Declinazione:</source>
            <translation>Declination:</translation>
        </message>
        <message>
            <source>Gnomone:</source>
            <translation>Gnomon:</translation>
        </message>
        <message>
            <source>Lato:</source>
            <translation>Side:</translation>
        </message>
        <message>
            <source>Ore:</source>
            <translation>Hours:</translation>
        </message>
        <message>
            <source>Esporta PDF...</source>
            <translation>Export PDF...</translation>
        </message>
        <message>
            <source>Esporta PDF</source>
            <translation>Export PDF</translation>
        </message>
        <message>
            <source>Documenti PDF (*.pdf)</source>
            <translation>PDF documents (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Calcolo delle effemeridi solari per un osservatore: senza opzioni apre la finestra del programma.</source>
            <translation>Solar ephemeris calculator for one observer: without options it opens the program's window.</translation>
        </message>
    </context>
    <context>
        <name>SiteSides</name>
        <message>
            <source>N NORD</source>
            <comment>the words naming north, separated by blanks</comment>
            <translation>N NORTH</translation>
        </message>
        <message>
            <source>S SUD</source>
            <comment>the words naming south, separated by blanks</comment>
            <translation>S SOUTH</translation>
        </message>
        <message>
            <source>O OVEST</source>
            <comment>the words naming west, separated by blanks</comment>
            <translation>W WEST</translation>
        </message>
        <message>
            <source>E EST</source>
            <comment>the words naming east, separated by blanks</comment>
            <translation>E EAST</translation>
        </message>
    </context>
    <context>
        <name>FormPass</name>
        <message>
            <source>Immettere un valore intero.</source>
            <translation>Enter an integer.</translation>
        </message>
        <message>
            <source>Immettere un valore intero compreso tra %1 e %2.</source>
            <translation>Enter an integer between %1 and %2.</translation>
        </message>
        <message>
            <source>Immettere un numero.</source>
            <translation>Enter a number.</translation>
        </message>
        <message>
            <source>Immettere un numero compreso tra %1 e %2.</source>
            <translation>Enter a number between %1 and %2.</translation>
        </message>
    </context>
    <context>
        <name>InterfaceLocale</name>
        <message>
            <source>it_IT</source>
            <extracomment>The locale of this language (its dates and month names), as language_TERRITORY.</extracomment>
            <translation>en_US</translation>
        </message>
    </context>
    <context>
        <name>StepUnits</name>
        <message>
            <source>anni</source>
            <translation>years</translation>
        </message>
        <message>
            <source>mesi</source>
            <translation>months</translation>
        </message>
        <message>
            <source>giorni</source>
            <translation>days</translation>
        </message>
        <message>
            <source>ore</source>
            <translation>hours</translation>
        </message>
        <message>
            <source>minuti</source>
            <translation>minutes</translation>
        </message>
        <message>
            <source>secondi</source>
            <translation>seconds</translation>
        </message>
    </context>
    <context>
        <name>TableTexts</name>
        <message>
            <source>sud</source>
            <comment>102</comment>
            <translation>south</translation>
        </message>
        <message>
            <source>GMST</source>
            <comment>103</comment>
            <translation>GMST</translation>
        </message>
        <message>
            <source>LMST</source>
            <comment>104</comment>
            <translation>LMST</translation>
        </message>
        <message>
            <source>JD</source>
            <comment>105</comment>
            <translation>JD</translation>
        </message>
        <message>
            <source>azimut</source>
            <comment>106</comment>
            <translation>azimuth</translation>
        </message>
        <message>
            <source>altezza</source>
            <comment>107</comment>
            <translation>altitude</translation>
        </message>
        <message>
            <source>rifrazione</source>
            <comment>108</comment>
            <translation>refraction</translation>
        </message>
        <message>
            <source>altezza</source>
            <comment>109</comment>
            <translation>altitude</translation>
        </message>
        <message>
            <source>deltaT</source>
            <comment>110</comment>
            <translation>deltaT</translation>
        </message>
        <message>
            <source>EdT</source>
            <comment>111</comment>
            <translation>EoT</translation>
        </message>
        <message>
            <source>differenza</source>
            <comment>112</comment>
            <translation>difference</translation>
        </message>
        <message>
            <source>tempo medio</source>
            <comment>113</comment>
            <translation>mean time</translation>
        </message>
        <message>
            <source>ora vera</source>
            <comment>114</comment>
            <translation>true time</translation>
        </message>
        <message>
            <source>ora vera</source>
            <comment>115</comment>
            <translation>true time</translation>
        </message>
        <message>
            <source>latitudine</source>
            <comment>116</comment>
            <translation>latitude</translation>
        </message>
        <message>
            <source>longitudine</source>
            <comment>117</comment>
            <translation>longitude</translation>
        </message>
        <message>
            <source>ascensione retta</source>
            <comment>118</comment>
            <translation>right ascension</translation>
        </message>
        <message>
            <source>declinazione</source>
            <comment>119</comment>
            <translation>declination</translation>
        </message>
        <message>
            <source>ascensione retta</source>
            <comment>120</comment>
            <translation>right ascension</translation>
        </message>
        <message>
            <source>declinazione</source>
            <comment>121</comment>
            <translation>declination</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>122</comment>
            <translation>hour</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>123</comment>
            <translation>hour</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>124</comment>
            <translation>hour</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>125</comment>
            <translation>time of</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>126</comment>
            <translation>time of</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>127</comment>
            <translation>time of</translation>
        </message>
        <message>
            <source>ore al</source>
            <comment>128</comment>
            <translation>hours to</translation>
        </message>
        <message>
            <source>ore di</source>
            <comment>129</comment>
            <translation>hours of</translation>
        </message>
        <message>
            <source>nord</source>
            <comment>132</comment>
            <translation>north</translation>
        </message>
        <message>
            <source>est</source>
            <comment>133</comment>
            <translation>east</translation>
        </message>
        <message>
            <source>ovest</source>
            <comment>134</comment>
            <translation>west</translation>
        </message>
        <message>
            <source>Fajr</source>
            <comment>136</comment>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>Zuhr</source>
            <comment>137</comment>
            <translation>Zuhr</translation>
        </message>
        <message>
            <source>Asr1</source>
            <comment>138</comment>
            <translation>Asr1</translation>
        </message>
        <message>
            <source>Asr2</source>
            <comment>139</comment>
            <translation>Asr2</translation>
        </message>
        <message>
            <source>Maghrib</source>
            <comment>140</comment>
            <translation>Maghrib</translation>
        </message>
        <message>
            <source>Isha</source>
            <comment>141</comment>
            <translation>Isha</translation>
        </message>
        <message>
            <source>Qibla</source>
            <comment>142</comment>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>data</source>
            <comment>143</comment>
            <translation>date</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>144</comment>
            <translation>time</translation>
        </message>
        <message>
            <source>fuso</source>
            <comment>145</comment>
            <translation>zone</translation>
        </message>
        <message>
            <source>Ora Estiva</source>
            <comment>146</comment>
            <translation>Summer Time</translation>
        </message>
        <message>
            <source>Valori decimali dell'incremento sono accettabili solo per i secondi</source>
            <comment>147</comment>
            <translation>Decimal step values are accepted for seconds only</translation>
        </message>
        <message>
            <source>azimut del</source>
            <comment>152</comment>
            <translation>azimuth of</translation>
        </message>
        <message>
            <source>altezza del</source>
            <comment>153</comment>
            <translation>altitude of</translation>
        </message>
        <message>
            <source>azimut del</source>
            <comment>154</comment>
            <translation>azimuth of</translation>
        </message>
        <message>
            <source>ora della</source>
            <comment>155</comment>
            <translation>time of</translation>
        </message>
        <message>
            <source>latitudine</source>
            <comment>156</comment>
            <translation>latitude</translation>
        </message>
        <message>
            <source>longitudine</source>
            <comment>157</comment>
            <translation>longitude</translation>
        </message>
        <message>
            <source>altitudine</source>
            <comment>158</comment>
            <translation>height</translation>
        </message>
        <message>
            <source>si</source>
            <comment>159</comment>
            <translation>yes</translation>
        </message>
        <message>
            <source>no</source>
            <comment>160</comment>
            <translation>no</translation>
        </message>
        <message>
            <source>da sud</source>
            <comment>161</comment>
            <translation>from south</translation>
        </message>
        <message>
            <source>apparente</source>
            <comment>162</comment>
            <translation>apparent</translation>
        </message>
        <message>
            <source>di</source>
            <comment>163</comment>
            <translation>of</translation>
        </message>
        <message>
            <source>locale</source>
            <comment>164</comment>
            <translation>local</translation>
        </message>
        <message>
            <source>del fuso</source>
            <comment>165</comment>
            <translation>of zone</translation>
        </message>
        <message>
            <source>locale</source>
            <comment>166</comment>
            <translation>local</translation>
        </message>
        <message>
            <source>eclittica</source>
            <comment>167</comment>
            <translation>ecliptic</translation>
        </message>
        <message>
            <source>eclittica</source>
            <comment>168</comment>
            <translation>ecliptic</translation>
        </message>
        <message>
            <source>geocentrica</source>
            <comment>169</comment>
            <translation>geocentric</translation>
        </message>
        <message>
            <source>geocentrica</source>
            <comment>170</comment>
            <translation>geocentric</translation>
        </message>
        <message>
            <source>topocentrica</source>
            <comment>171</comment>
            <translation>topocentric</translation>
        </message>
        <message>
            <source>topocentrica</source>
            <comment>172</comment>
            <translation>topocentric</translation>
        </message>
        <message>
            <source>italica</source>
            <comment>173</comment>
            <translation>Italian</translation>
        </message>
        <message>
            <source>babilonese</source>
            <comment>174</comment>
            <translation>Babylonian</translation>
        </message>
        <message>
            <source>temporale</source>
            <comment>175</comment>
            <translation>temporal</translation>
        </message>
        <message>
            <source>sorgere</source>
            <comment>176</comment>
            <translation>sunrise</translation>
        </message>
        <message>
            <source>sorgere</source>
            <comment>177</comment>
            <translation>sunrise</translation>
        </message>
        <message>
            <source>transito</source>
            <comment>178</comment>
            <translation>transit</translation>
        </message>
        <message>
            <source>transito</source>
            <comment>179</comment>
            <translation>transit</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>180</comment>
            <translation>sunset</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>181</comment>
            <translation>sunset</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>182</comment>
            <translation>sunset</translation>
        </message>
        <message>
            <source>luce</source>
            <comment>183</comment>
            <translation>daylight</translation>
        </message>
        <message>
            <source>Qibla</source>
            <comment>184</comment>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>(geometrico)</source>
            <comment>185</comment>
            <translation>(geometric)</translation>
        </message>
        <message>
            <source>(apparente)</source>
            <comment>186</comment>
            <translation>(apparent)</translation>
        </message>
        <message>
            <source>longitudine</source>
            <comment>187</comment>
            <translation>longitude</translation>
        </message>
        <message>
            <source>[hh:mm:ss]</source>
            <comment>188</comment>
            <translation>[hh:mm:ss]</translation>
        </message>
        <message>
            <source>[h]</source>
            <comment>189</comment>
            <translation>[h]</translation>
        </message>
        <message>
            <source>[gg°mm'ss"]</source>
            <comment>190</comment>
            <translation>[dd°mm'ss"]</translation>
        </message>
        <message>
            <source>[g]</source>
            <comment>191</comment>
            <translation>[d]</translation>
        </message>
        <message>
            <source>[mm'ss"]</source>
            <comment>192</comment>
            <translation>[mm'ss"]</translation>
        </message>
        <message>
            <source>alba</source>
            <comment>193</comment>
            <translation>dawn</translation>
        </message>
        <message>
            <source>crepuscolo</source>
            <comment>194</comment>
            <translation>dusk</translation>
        </message>
        <message>
            <source>civile</source>
            <comment>195</comment>
            <translation>civil</translation>
        </message>
        <message>
            <source>nautica</source>
            <comment>196</comment>
            <translation>nautical</translation>
        </message>
        <message>
            <source>nautico</source>
            <comment>197</comment>
            <translation>nautical</translation>
        </message>
        <message>
            <source>astronomica</source>
            <comment>198</comment>
            <translation>astronomical</translation>
        </message>
        <message>
            <source>astronomico</source>
            <comment>199</comment>
            <translation>astronomical</translation>
        </message>
        <message>
            <source>fine</source>
            <comment>200</comment>
            <translation>end of</translation>
        </message>
        <message>
            <source>ora dorata</source>
            <comment>201</comment>
            <translation>golden hour</translation>
        </message>
        <message>
            <source>(mattino)</source>
            <comment>202</comment>
            <translation>(morning)</translation>
        </message>
        <message>
            <source>inizio</source>
            <comment>203</comment>
            <translation>start of</translation>
        </message>
        <message>
            <source>(sera)</source>
            <comment>204</comment>
            <translation>(evening)</translation>
        </message>
        <message>
            <source>metà</source>
            <comment>205</comment>
            <translation>middle</translation>
        </message>
        <message>
            <source>della notte</source>
            <comment>206</comment>
            <translation>of the night</translation>
        </message>
        <message>
            <source>ultimo terzo</source>
            <comment>207</comment>
            <translation>last third</translation>
        </message>
        <message>
            <source>notte</source>
            <comment>208</comment>
            <translation>night</translation>
        </message>
        <message>
            <source>inizio</source>
            <comment>209</comment>
            <translation>start of</translation>
        </message>
        <message>
            <source>Shuruq</source>
            <comment>210</comment>
            <translation>Shuruq</translation>
        </message>
        <message>
            <source>Immettere una data e un'ora comprese tra %1 e %2.</source>
            <translation>Enter a date and time between %1 and %2.</translation>
        </message>
        <message>
            <source>Fuso orario non previsto: %1.</source>
            <translation>Unexpected time zone: %1.</translation>
        </message>
        <message>
            <source>L&apos;ultima riga della tabella cadrebbe dopo il %1: ridurre il passo o il numero di punti.</source>
            <translation>The last row of the table would fall after %1: reduce the step or the number of points.</translation>
        </message>
        <message>
            <source>metodo delle preghiere</source>
            <comment>211</comment>
            <translation>prayer method</translation>
        </message>
        <message>
            <source>personalizzato</source>
            <comment>212</comment>
            <translation>custom</translation>
        </message>
        <message>
            <source>regola per le alte latitudini</source>
            <comment>213</comment>
            <translation>high-latitude rule</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <comment>214</comment>
            <translation>middle of the night</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <comment>215</comment>
            <translation>one seventh of the night</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <comment>216</comment>
            <translation>angle/60 of the night</translation>
        </message>
        <message>
            <source>raccomandata</source>
            <comment>217</comment>
            <translation>recommended</translation>
        </message>
    </context>
    <context>
        <name>TimeZones</name>
        <message>
            <source>UTC-11 (BEST – Bering Standard Time)</source>
            <translation>UTC-11 (BEST – Bering Standard Time)</translation>
        </message>
        <message>
            <source>UTC-10 (HST – Hawaii-Aleutian Standard Time) </source>
            <translation>UTC-10 (HST – Hawaii-Aleutian Standard Time) </translation>
        </message>
        <message>
            <source>UTC-9:30</source>
            <translation>UTC-9:30</translation>
        </message>
        <message>
            <source>UTC-9 (AKST – Alaska Standard Time) </source>
            <translation>UTC-9 (AKST – Alaska Standard Time) </translation>
        </message>
        <message>
            <source>UTC-8 (PST – Pacific Standard Time) </source>
            <translation>UTC-8 (PST – Pacific Standard Time) </translation>
        </message>
        <message>
            <source>UTC-7 (MST – Mountain Standard Time) </source>
            <translation>UTC-7 (MST – Mountain Standard Time) </translation>
        </message>
        <message>
            <source>UTC-6 (CST – Central Standard Time) </source>
            <translation>UTC-6 (CST – Central Standard Time) </translation>
        </message>
        <message>
            <source>UTC-5 (EST – Eastern Standard Time) </source>
            <translation>UTC-5 (EST – Eastern Standard Time) </translation>
        </message>
        <message>
            <source>UTC-4:30</source>
            <translation>UTC-4:30</translation>
        </message>
        <message>
            <source>UTC-4 (AST – Atlantic Standard Time) </source>
            <translation>UTC-4 (AST – Atlantic Standard Time) </translation>
        </message>
        <message>
            <source>UTC-3:30 (NST – Newfoundland Standard Time) </source>
            <translation>UTC-3:30 (NST – Newfoundland Standard Time) </translation>
        </message>
        <message>
            <source>UTC-3</source>
            <translation>UTC-3</translation>
        </message>
        <message>
            <source>UTC-2</source>
            <translation>UTC-2</translation>
        </message>
        <message>
            <source>UTC-1</source>
            <translation>UTC-1</translation>
        </message>
        <message>
            <source>UTC+0 (WET – West European Time) </source>
            <translation>UTC+0 (WET – West European Time) </translation>
        </message>
        <message>
            <source>UTC+1 (CET – Central European Time) </source>
            <translation>UTC+1 (CET – Central European Time) </translation>
        </message>
        <message>
            <source>UTC+2 (EET – East European Time) </source>
            <translation>UTC+2 (EET – East European Time) </translation>
        </message>
        <message>
            <source>UTC+3 (MSK – Moscow Time) </source>
            <translation>UTC+3 (MSK – Moscow Time) </translation>
        </message>
        <message>
            <source>UTC+3:30</source>
            <translation>UTC+3:30</translation>
        </message>
        <message>
            <source>UTC+4</source>
            <translation>UTC+4</translation>
        </message>
        <message>
            <source>UTC+4:30</source>
            <translation>UTC+4:30</translation>
        </message>
        <message>
            <source>UTC+5</source>
            <translation>UTC+5</translation>
        </message>
        <message>
            <source>UTC+5:30 (IST – Indian Standard Time) </source>
            <translation>UTC+5:30 (IST – Indian Standard Time) </translation>
        </message>
        <message>
            <source>UTC+5:45</source>
            <translation>UTC+5:45</translation>
        </message>
        <message>
            <source>UTC+6</source>
            <translation>UTC+6</translation>
        </message>
        <message>
            <source>UTC+6:30</source>
            <translation>UTC+6:30</translation>
        </message>
        <message>
            <source>UTC+7</source>
            <translation>UTC+7</translation>
        </message>
        <message>
            <source>UTC+8 (AWST – Australian Western Standard Time) </source>
            <translation>UTC+8 (AWST – Australian Western Standard Time) </translation>
        </message>
        <message>
            <source>UTC+8:30 (NKST – North Korean Standard Time) </source>
            <translation>UTC+8:30 (NKST – North Korean Standard Time) </translation>
        </message>
        <message>
            <source>UTC+8:45</source>
            <translation>UTC+8:45</translation>
        </message>
        <message>
            <source>UTC+9</source>
            <translation>UTC+9</translation>
        </message>
        <message>
            <source>UTC+9:30 (ACST – Australian Central Standard Time) </source>
            <translation>UTC+9:30 (ACST – Australian Central Standard Time) </translation>
        </message>
        <message>
            <source>UTC+10 (AEST – Australian Eastern Standard Time) </source>
            <translation>UTC+10 (AEST – Australian Eastern Standard Time) </translation>
        </message>
        <message>
            <source>UTC+10:30</source>
            <translation>UTC+10:30</translation>
        </message>
        <message>
            <source>UTC+11</source>
            <translation>UTC+11</translation>
        </message>
        <message>
            <source>UTC+11:30</source>
            <translation>UTC+11:30</translation>
        </message>
        <message>
            <source>UTC+12</source>
            <translation>UTC+12</translation>
        </message>
        <message>
            <source>UTC+12:45</source>
            <translation>UTC+12:45</translation>
        </message>
        <message>
            <source>UTC+13</source>
            <translation>UTC+13</translation>
        </message>
        <message>
            <source>UTC+14</source>
            <translation>UTC+14</translation>
        </message>
    </context>
    <context>
        <name>PlaceZone</name>
        <message>
            <source>Nessun luogo trovato per «%1».</source>
            <translation>No place found for “%1”.</translation>
        </message>
        <message>
            <source>L&apos;indice dei luoghi %1 manca o è danneggiato: nessun luogo si può trovare per nome. Reinstallare il programma, o immettere latitudine, longitudine e fuso.</source>
            <translation>The places&apos; index %1 is missing or damaged: no place can be found by name. Reinstall the program, or enter the latitude, longitude and zone.</translation>
        </message>
        <message>
            <source>cerca una città</source>
            <translation>search for a city</translation>
        </message>
        <message>
            <source>fuso per nome (Area/Città)</source>
            <translation>zone by name (Area/City)</translation>
        </message>
        <message>
            <source>, estate %1</source>
            <translation>, summer %1</translation>
        </message>
        <message>
            <source>ora inesistente (cambio dell'ora): calcolata per le %1</source>
            <translation>time that does not exist (clock change): computed for %1</translation>
        </message>
        <message>
            <source>ora ripetuta (cambio dell'ora): calcolata per la prima, %1</source>
            <translation>time that occurs twice (clock change): computed for the first, %1</translation>
        </message>
        <message>
            <source>Fuso %1: dati danneggiati o illeggibili su questo computer; fuso da impostare a mano.</source>
            <translation>Time zone %1: its data on this computer are damaged or unreadable; set the zone by hand.</translation>
        </message>
    </context>
    <context>
        <name>CliReport</name>
        <message>
            <source>durata della notte</source>
            <translation>length of the night</translation>
        </message>
        <message>
            <source>ultimo terzo della notte</source>
            <translation>last third of the night</translation>
        </message>
        <message>
            <source>metodo</source>
            <translation>method</translation>
        </message>
        <message>
            <source>regola alte latitudini</source>
            <translation>high-latitude rule</translation>
        </message>
        <message>
            <source>giorno</source>
            <translation>day</translation>
        </message>
        <message>
            <source>giorni</source>
            <translation>days</translation>
        </message>
        <message>
            <source>ora blu del mattino</source>
            <translation>blue hour, morning</translation>
        </message>
        <message>
            <source>ora dorata del mattino</source>
            <translation>golden hour, morning</translation>
        </message>
        <message>
            <source>ora dorata della sera</source>
            <translation>golden hour, evening</translation>
        </message>
        <message>
            <source>ora blu della sera</source>
            <translation>blue hour, evening</translation>
        </message>
        <message>
            <source>variazione durata giorno</source>
            <translation>day length change</translation>
        </message>
        <message>
            <source>CALENDARIO ISLAMICO</source>
            <translation>ISLAMIC CALENDAR</translation>
        </message>
        <message>
            <source>data dell'Egira</source>
            <translation>Hijri date</translation>
        </message>
        <message>
            <source>dal Maghrib</source>
            <translation>from Maghrib</translation>
        </message>
        <message>
            <source>limite stagionale</source>
            <translation>seasonal limit</translation>
        </message>
        <message>
            <source>intervallo dopo il tramonto</source>
            <translation>interval after sunset</translation>
        </message>
        <message>
            <source>latitudine più vicina</source>
            <translation>nearest latitude</translation>
        </message>
        <message>
            <source>giorno più vicino</source>
            <translation>nearest day</translation>
        </message>
    </context>
</TS>
