<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CliWords</name>
    <message>
        <source>Prayer time by the program&apos;s own method (default).</source>
        <translation>Horário de oração pelo método próprio do programa (padrão).</translation>
    </message>
    <message>
        <source>Prayer time by the method %1 (%2).</source>
        <translation>Horário de oração pelo método %1 (%2).</translation>
    </message>
    <message>
        <source>Given by the high-latitude rule %1: the Sun does not reach the method&apos;s angle, or reaches it too far from the sunrise or sunset.</source>
        <translation>Dado pela regra de altas latitudes %1: o Sol não atinge o ângulo do método, ou o atinge longe demais do nascer ou do pôr do sol.</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Alvorada astronômica</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 18 degrees below the horizon, rising: astronomical twilight begins.</source>
        <translation>O centro do Sol 18 graus abaixo do horizonte, subindo: começa o crepúsculo astronômico.</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Alvorada náutica</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 12 degrees below the horizon, rising: nautical twilight begins.</source>
        <translation>O centro do Sol 12 graus abaixo do horizonte, subindo: começa o crepúsculo náutico.</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Alvorada civil</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees below the horizon, rising: civil twilight begins.</source>
        <translation>O centro do Sol 6 graus abaixo do horizonte, subindo: começa o crepúsculo civil.</translation>
    </message>
    <message>
        <source>Shuruq (sunrise)</source>
        <translation>Shuruq (nascer do sol)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Apparent sunrise: the Sun&apos;s upper limb on the horizon, with refraction and the dip of the horizon.</source>
        <translation>Nascer aparente: o bordo superior do Sol no horizonte, com a refração e a depressão do horizonte.</translation>
    </message>
    <message>
        <source>Golden hour ends</source>
        <translation>Fim da hora dourada</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees above the horizon, rising: the morning&apos;s golden hour ends.</source>
        <translation>O centro do Sol 6 graus acima do horizonte, subindo: termina a hora dourada da manhã.</translation>
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
        <translation>Asr (fator de sombra 2)</translation>
    </message>
    <message>
        <source>Golden hour begins</source>
        <translation>Início da hora dourada</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees above the horizon, setting: the evening&apos;s golden hour begins.</source>
        <translation>O centro do Sol 6 graus acima do horizonte, descendo: começa a hora dourada da tarde.</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Apparent sunset: the Sun&apos;s upper limb on the horizon, with refraction and the dip of the horizon.</source>
        <translation>Pôr do sol aparente: o bordo superior do Sol no horizonte, com a refração e a depressão do horizonte.</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Fim do crepúsculo civil</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 6 degrees below the horizon, setting: civil twilight ends.</source>
        <translation>O centro do Sol 6 graus abaixo do horizonte, descendo: termina o crepúsculo civil.</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Fim do crepúsculo náutico</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 12 degrees below the horizon, setting: nautical twilight ends.</source>
        <translation>O centro do Sol 12 graus abaixo do horizonte, descendo: termina o crepúsculo náutico.</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Fim do crepúsculo astronômico</translation>
    </message>
    <message>
        <source>The Sun&apos;s centre 18 degrees below the horizon, setting: astronomical twilight ends.</source>
        <translation>O centro do Sol 18 graus abaixo do horizonte, descendo: termina o crepúsculo astronômico.</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isha</translation>
    </message>
    <message>
        <source>unexpected argument &apos;calendar&apos;: the calendar subcommand comes first, as in tarvel-cli calendar --place Rome --date 2024-06-21 (see tarvel-cli calendar --help)</source>
        <translation>argumento inesperado &apos;calendar&apos;: o subcomando calendar vem primeiro, como em tarvel-cli calendar --place Rome --date 2024-06-21 (veja tarvel-cli calendar --help)</translation>
    </message>
    <message>
        <source>%1 does not apply to calendar: every day is computed whole, with Delta T from the built-in model for its date</source>
        <translation>%1 não se aplica a calendar: cada dia é calculado inteiro, com o Delta T do modelo interno para a sua data</translation>
    </message>
    <message>
        <source>a comma list of events and groups, letter case ignored, such as prayers,sun; the events: %1; the groups: %2</source>
        <translation>uma lista de eventos e grupos separados por vírgulas, sem distinção entre maiúsculas e minúsculas, como prayers,sun; os eventos: %1; os grupos: %2</translation>
    </message>
    <message>
        <source>a whole number of days from %1 to %2</source>
        <translation>um número inteiro de dias de %1 a %2</translation>
    </message>
    <message>
        <source>the name of a file, or - for standard output</source>
        <translation>o nome de um arquivo, ou - para a saída padrão</translation>
    </message>
    <message>
        <source>the chart could not be written to standard output</source>
        <translation>não foi possível escrever o gráfico na saída padrão</translation>
    </message>
    <message>
        <source>Unknown format: the file&apos;s name must end in .png or .svg</source>
        <translation>Formato desconhecido: o nome do arquivo deve terminar em .png ou .svg</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Não é possível salvar %1: %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;chart&apos;: the chart subcommand comes first, as in tarvel-cli chart --kind sunpath --output sun.svg (see tarvel-cli chart --help)</source>
        <translation>argumento inesperado &apos;chart&apos;: o subcomando chart vem primeiro, como em tarvel-cli chart --kind sunpath --output sun.svg (veja tarvel-cli chart --help)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>the name of a file ending in .svg or .png, in a folder that exists, or - for standard output</source>
        <translation>o nome de um arquivo terminado em .svg ou .png, numa pasta que existe, ou - para a saída padrão</translation>
    </message>
    <message>
        <source>a whole number of pixels, %1 to %2</source>
        <translation>um número inteiro de pixels, de %1 a %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 given more than once: give it once</source>
        <translation>%1 dado mais de uma vez: dê-o uma só vez</translation>
    </message>
    <message>
        <source>%1 given more than once: give it once, with %2</source>
        <translation>%1 dado mais de uma vez: dê-o uma só vez, com %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; not accepted: expected %3</source>
        <translation>%1 &apos;%2&apos; não aceito: espera-se %3</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; the options are listed by %2 --help</source>
        <translation>opção desconhecida &apos;%1&apos;; as opções são listadas por %2 --help</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (veja %2 --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; %2 takes one QUERY: put a name of several words in quotes (see %2 --help)</source>
        <translation>argumento inesperado &apos;%1&apos;; %2 aceita uma só QUERY: ponha entre aspas um nome de várias palavras (veja %2 --help)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; %2 takes options only (see %2 --help)</source>
        <translation>argumento inesperado &apos;%1&apos;; %2 aceita apenas opções (veja %2 --help)</translation>
    </message>
    <message>
        <source>%1 is required (see %2 --help)</source>
        <translation>%1 é obrigatório (veja %2 --help)</translation>
    </message>
    <message>
        <source>--summer and --no-summer exclude each other: give at most one of them</source>
        <translation>--summer e --no-summer excluem-se mutuamente: dê no máximo um deles</translation>
    </message>
    <message>
        <source>%1 needs a value: %2</source>
        <translation>%1 precisa de um valor: %2</translation>
    </message>
    <message>
        <source>the file of time zone %1 in this computer&apos;s tz database (%2) is damaged or unreadable</source>
        <translation>o arquivo do fuso horário %1 no banco de dados tz deste computador (%2) está danificado ou ilegível</translation>
    </message>
    <message>
        <source>--zone &apos;%1&apos; not accepted by table: expected %2</source>
        <translation>--zone &apos;%1&apos; não aceito por table: espera-se %2</translation>
    </message>
    <message>
        <source>--place &apos;%1&apos;: no such place in the list of cities</source>
        <translation>--place &apos;%1&apos;: nenhum lugar com este nome na lista de cidades</translation>
    </message>
    <message>
        <source>--place &apos;%1&apos;: no such place; close names: %2</source>
        <translation>--place &apos;%1&apos;: nenhum lugar com este nome; nomes próximos: %2</translation>
    </message>
    <message>
        <source>--delta-t does not apply to table: %1</source>
        <translation>--delta-t não se aplica a table: %1</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD that exists, years 1 to 9999 (proleptic Gregorian calendar)</source>
        <translation>uma data AAAA-MM-DD que existe, anos de 1 a 9999 (calendário gregoriano proléptico)</translation>
    </message>
    <message>
        <source>a clock time HH:MM or HH:MM:SS, hours 0 to 23, minutes 0 to 59, seconds 0 to below 60</source>
        <translation>uma hora HH:MM ou HH:MM:SS, horas de 0 a 23, minutos de 0 a 59, segundos de 0 a menos de 60</translation>
    </message>
    <message>
        <source>hours east of UTC from -12 to 14, as a decimal (5.75, -3.5) or as +HH:MM or -HH:MM</source>
        <translation>horas a leste de UTC de -12 a 14, como número decimal (5.75, -3.5) ou como +HH:MM ou -HH:MM</translation>
    </message>
    <message>
        <source>a time-zone name of the system&apos;s tz database, such as Europe/Rome or America/Sao_Paulo</source>
        <translation>o nome de um fuso horário do banco de dados tz do sistema, como Europe/Rome ou America/Sao_Paulo</translation>
    </message>
    <message>
        <source>the name of a place of at least 1,000 inhabitants (its own, English or former name, accents optional), optionally narrowed by its region or country (&quot;Rome, Italy&quot;, &quot;Roma, Italia&quot;, &quot;Rome, Georgia&quot;); the best match: the whole name, then a capital, then the most populous</source>
        <translation>o nome de um lugar de pelo menos 1.000 habitantes (o próprio, o inglês ou um antigo, acentos opcionais), opcionalmente precisado pela região ou pelo país (&quot;Rome, Italy&quot;, &quot;Roma, Italia&quot;, &quot;Rome, Georgia&quot;); a melhor correspondência: o nome inteiro, depois uma capital, depois a mais populosa</translation>
    </message>
    <message>
        <source>a latitude in degrees from -90 to 90, negative south (or 33.9S, 45N)</source>
        <translation>uma latitude em graus de -90 a 90, negativa ao sul (ou 33.9S, 45N)</translation>
    </message>
    <message>
        <source>a longitude in degrees from -180 to 180, negative west (or 12.5E, 74W)</source>
        <translation>uma longitude em graus de -180 a 180, negativa a oeste (ou 12.5E, 74W)</translation>
    </message>
    <message>
        <source>prayers with whole minutes, such as fajr=2,isha=-1: fajr, sunrise, zuhr, asr, maghrib, isha, each once, minutes from %1 to %2</source>
        <translation>orações com minutos inteiros, como fajr=2,isha=-1: fajr, sunrise, zuhr, asr, maghrib, isha, cada uma uma vez, minutos de %1 a %2</translation>
    </message>
    <message>
        <source>a height above sea level in metres from %1 to %2</source>
        <translation>uma altitude acima do nível do mar em metros de %1 a %2</translation>
    </message>
    <message>
        <source>an air pressure in mbar from %1 to %2</source>
        <translation>uma pressão do ar em mbar de %1 a %2</translation>
    </message>
    <message>
        <source>an air temperature in degrees Celsius from %1 to %2</source>
        <translation>uma temperatura do ar em graus Celsius de %1 a %2</translation>
    </message>
    <message>
        <source>a height in metres from %1 to %2</source>
        <translation>uma altura em metros de %1 a %2</translation>
    </message>
    <message>
        <source>a relative humidity in percent from %1 to %2</source>
        <translation>uma umidade relativa em porcentagem de %1 a %2</translation>
    </message>
    <message>
        <source>a Sun altitude in degrees from %1 to %2</source>
        <translation>uma altura do Sol em graus de %1 a %2</translation>
    </message>
    <message>
        <source>a number of minutes from %1 to %2</source>
        <translation>um número de minutos de %1 a %2</translation>
    </message>
    <message>
        <source>every row takes Delta T from the built-in model for its own date</source>
        <translation>cada linha toma o Delta T do modelo interno para a sua própria data</translation>
    </message>
    <message>
        <source>Delta T in seconds, a decimal number from %1 to %2</source>
        <translation>Delta T em segundos, um número decimal de %1 a %2</translation>
    </message>
    <message>
        <source>Place: %1 (%2, %3)</source>
        <translation>Lugar: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>The time asked for does not exist on this date (the clocks were put forward): computed for %1, just after the change.</source>
        <translation>A hora pedida não existe nesta data (os relógios foram adiantados): calculado para %1, logo após a mudança.</translation>
    </message>
    <message>
        <source>The time asked for occurs twice on this date (the clocks were put back): computed for its first occurrence, %1.</source>
        <translation>A hora pedida ocorre duas vezes nesta data (os relógios foram atrasados): calculado para a primeira, %1.</translation>
    </message>
    <message>
        <source>Time zone: %1, %2 (summer time)</source>
        <translation>Fuso horário: %1, %2 (horário de verão)</translation>
    </message>
    <message>
        <source>Time zone: %1, %2</source>
        <translation>Fuso horário: %1, %2</translation>
    </message>
    <message>
        <source>no place matches &apos;%1&apos;</source>
        <translation>nenhum lugar corresponde a &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no place matches &apos;%1&apos;; close names: %2</source>
        <translation>nenhum lugar corresponde a &apos;%1&apos;; nomes próximos: %2</translation>
    </message>
    <message>
        <source>--ramadan applies only with %1: give it or leave --ramadan out</source>
        <translation>--ramadan só se aplica com %1: dê-o ou retire --ramadan</translation>
    </message>
    <message>
        <source>--ramadan applies only with %1 or %2: give one of them or leave --ramadan out</source>
        <translation>--ramadan só se aplica com %1 ou %2: dê um deles ou retire --ramadan</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone is %1, outside the zones from -12 to 14 hours: give --zone or --tz</source>
        <translation>o fuso horário deste computador é %1, fora dos fusos de -12 a 14 horas: dê --zone ou --tz</translation>
    </message>
    <message>
        <source>%1 and %2 exclude each other: %1 gives the site and its zone&apos;s clock</source>
        <translation>%1 e %2 excluem-se mutuamente: %1 dá o lugar e a hora do seu fuso</translation>
    </message>
    <message>
        <source>%1 and %2 exclude each other: %1 gives the zone&apos;s clock, its offset and summer time</source>
        <translation>%1 e %2 excluem-se mutuamente: %1 dá a hora do fuso, a sua diferença de UTC e o horário de verão</translation>
    </message>
    <message>
        <source>%1: its time zone %2 is not in this computer&apos;s tz database</source>
        <translation>%1: o seu fuso horário %2 não está no banco de dados tz deste computador</translation>
    </message>
    <message>
        <source>row %1 could not be computed and has no values: %2</source>
        <translation>a linha %1 não pôde ser calculada e não tem valores: %2</translation>
    </message>
    <message>
        <source>the table run was cancelled</source>
        <translation>o cálculo da tabela foi cancelado</translation>
    </message>
    <message>
        <source>--columns: empty column name in &quot;%1&quot;</source>
        <translation>--columns: nome de coluna vazio em &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--columns: unknown column &quot;%1&quot;; known columns: %2</source>
        <translation>--columns: coluna desconhecida &quot;%1&quot;; colunas conhecidas: %2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;table&apos;: the table subcommand comes first, as in tarvel-cli table --step 1 --unit days (see tarvel-cli table --help)</source>
        <translation>argumento inesperado &apos;table&apos;: o subcomando table vem primeiro, como em tarvel-cli table --step 1 --unit days (veja tarvel-cli table --help)</translation>
    </message>
    <message>
        <source>this computer&apos;s standard zone (%1 hours east of UTC) is not a zone of the table: give --zone with %2</source>
        <translation>o fuso padrão deste computador (%1 horas a leste de UTC) não é um fuso da tabela: dê --zone com %2</translation>
    </message>
    <message>
        <source>a step as a decimal number, %1 to %2</source>
        <translation>um passo como número decimal, de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number of rows, %1 to %2</source>
        <translation>um número inteiro de linhas, de %1 a %2</translation>
    </message>
    <message>
        <source>column names separated by commas, or all (listed by tarvel-cli table --help)</source>
        <translation>nomes de coluna separados por vírgulas, ou all (listados por tarvel-cli table --help)</translation>
    </message>
    <message>
        <source>the name of a file to write, in a folder that exists, or - for standard output</source>
        <translation>o nome de um arquivo a escrever, numa pasta que existe, ou - para a saída padrão</translation>
    </message>
    <message>
        <source>%1: a place&apos;s name has at most %2 bytes</source>
        <translation>%1: o nome de um lugar tem no máximo %2 bytes</translation>
    </message>
    <message>
        <source>the places&apos; index %1 is missing or damaged: no place can be found by name (reinstall the program, or give --lat, --lon and --tz)</source>
        <translation>o índice de locais %1 falta ou está danificado: nenhum local pode ser encontrado pelo nome (reinstale o programa, ou dê --lat, --lon e --tz)</translation>
    </message>
    <message>
        <source>%1 of %2 rows written</source>
        <translation>%1 de %2 linhas escritas</translation>
    </message>
    <message>
        <source>the table could not be written to standard output</source>
        <translation>não foi possível escrever a tabela na saída padrão</translation>
    </message>
    <message>
        <source>the calendar could not be written to standard output</source>
        <translation>não foi possível escrever o calendário na saída padrão</translation>
    </message>
    <message>
        <source>the texts in the language asked for (--lang %1) are not installed: the built-in Italian is used</source>
        <translation>os textos na língua pedida (--lang %1) não estão instalados: usa-se o italiano incorporado</translation>
    </message>
    <message>
        <source>the results could not be written to standard output</source>
        <translation>não foi possível escrever os resultados na saída padrão</translation>
    </message>
    <message>
        <source>one of the table&apos;s zones, in hours east of UTC (also as +HH:MM or -HH:MM): %1</source>
        <translation>um dos fusos da tabela, em horas a leste de UTC (também como +HH:MM ou -HH:MM): %1</translation>
    </message>
    <message>
        <source>Unknown format: the file&apos;s name must end in .svg, .pdf or .csv</source>
        <translation>Formato desconhecido: o nome do arquivo deve terminar em .svg, .pdf ou .csv</translation>
    </message>
    <message>
        <source>unexpected argument &apos;sundial&apos;: the sundial subcommand comes first, as in tarvel-cli sundial --output dial.svg (see tarvel-cli sundial --help)</source>
        <translation>argumento inesperado &apos;sundial&apos;: o subcomando sundial vem primeiro, como em tarvel-cli sundial --output dial.svg (veja tarvel-cli sundial --help)</translation>
    </message>
    <message>
        <source>the name of a file ending in .svg, .pdf or .csv, in a folder that exists</source>
        <translation>o nome de um arquivo terminado em .svg, .pdf ou .csv, numa pasta que exista</translation>
    </message>
    <message>
        <source>a comma list of hour systems, each once: %1</source>
        <translation>uma lista de sistemas horários separados por vírgulas, cada um uma vez: %1</translation>
    </message>
    <message>
        <source>1, 2 or 4</source>
        <translation>1, 2 ou 4</translation>
    </message>
    <message>
        <source>a comma list of solstices, equinoxes, zodiac and up to 24 dates YYYY-MM-DD, or none</source>
        <translation>uma lista separada por vírgulas de solstices, equinoxes, zodiac e até 24 datas AAAA-MM-DD, ou none</translation>
    </message>
    <message>
        <source>an angle in degrees from %1 to %2</source>
        <translation>um ângulo em graus de %1 a %2</translation>
    </message>
    <message>
        <source>a length in millimetres from %1 to %2</source>
        <translation>um comprimento em milímetros de %1 a %2</translation>
    </message>
</context>
</TS>
