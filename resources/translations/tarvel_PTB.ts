<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="it_IT">
    <context>
        <name>CAboutDlg</name>
        <message>
            <source>"%1" versione %2.%3</source>
            <translation>"%1" versão %2.%3</translation>
        </message>
        <message>
            <source>Pur essendo stato per quanto possibile verificato, non posso escludere che questo programma contenga ancora qualche errore. Declino peraltro ogni responsabilità per eventuali danni che possano derivarvi. Sarò inoltre grato a chi vorrà segnalarmi errori o inesattezze riscontrati.</source>
            <translation>Embora este programa tenha sido verificado tanto quanto possível, não posso excluir que ainda contenha algum erro. Declino toda responsabilidade por eventuais danos que dele possam resultar. Ficarei grato a quem me comunicar erros ou imprecisões encontrados.</translation>
        </message>
        <message>
            <source>Dati dei luoghi: GeoNames (https://www.geonames.org/), licenza CC BY 4.0. Fusi orari: tz database (pubblico dominio).</source>
            <translation>Dados dos locais: GeoNames (https://www.geonames.org/), licença CC BY 4.0. Fusos horários: banco de dados tz (domínio público).</translation>
        </message>
        <message>
            <source>Informazioni su Tarvel</source>
            <translation>Sobre o Tarvel</translation>
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
            <translation>Criação da tabela de efemérides</translation>
        </message>
        <message>
            <source>DATA, ORA E LOCALITA'</source>
            <translation>DATA, HORA E LOCAL</translation>
        </message>
        <message>
            <source>PASSI DI CALCOLO</source>
            <translation>PASSOS DE CÁLCULO</translation>
        </message>
        <message>
            <source>ora estiva</source>
            <translation>horário de verão</translation>
        </message>
        <message>
            <source>latitudine (&lt;0 sud)</source>
            <translation>latitude (&lt;0 sul)</translation>
        </message>
        <message>
            <source>longitudine (&lt;0 est)</source>
            <translation>longitude (&lt;0 leste)</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>altitude [m]</translation>
        </message>
        <message>
            <source>n. di punti</source>
            <translation>n. de pontos</translation>
        </message>
        <message>
            <source>passo</source>
            <translation>passo</translation>
        </message>
        <message>
            <source>Opzioni di output</source>
            <translation>Opções de saída</translation>
        </message>
        <message>
            <source>Calcola</source>
            <translation>Calcular</translation>
        </message>
        <message>
            <source>Copia nella clipboard</source>
            <translation>Copiar para a área de transferência</translation>
        </message>
        <message>
            <source>Salva su file</source>
            <translation>Salvar em arquivo</translation>
        </message>
        <message>
            <source>Annulla calcolo</source>
            <translation>Cancelar cálculo</translation>
        </message>
        <message>
            <source>Impossibile salvare %1: %2</source>
            <translation>Não foi possível salvar %1: %2</translation>
        </message>
    </context>
    <context>
        <name>COptionsDialog</name>
        <message>
            <source>Preferenze</source>
            <translation>Preferências</translation>
        </message>
        <message>
            <source>RIFRAZIONE ATMOSFERICA</source>
            <translation>REFRAÇÃO ATMOSFÉRICA</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ORAÇÕES ISLÂMICAS</translation>
        </message>
        <message>
            <source>formula di Bennett-Samudson</source>
            <translation>fórmula de Bennett-Samudson</translation>
        </message>
        <message>
            <source>integrazione numerica</source>
            <translation>integração numérica</translation>
        </message>
        <message>
            <source>pressione [mbar]</source>
            <translation>pressão [mbar]</translation>
        </message>
        <message>
            <source>temperatura [ºC]</source>
            <translation>temperatura [ºC]</translation>
        </message>
        <message>
            <source>condizioni standard</source>
            <translation>condições padrão</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>altitude [m]</translation>
        </message>
        <message>
            <source>umidità [%]</source>
            <translation>umidade [%]</translation>
        </message>
        <message>
            <source>altezza solare per Fajr [º]</source>
            <translation>altura do Sol para Fajr [º]</translation>
        </message>
        <message>
            <source>altezza solare per Isha [º]</source>
            <translation>altura do Sol para Isha [º]</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Valori di default</source>
            <translation>Valores padrão</translation>
        </message>
        <message>
            <source>metodo di calcolo</source>
            <translation>método de cálculo</translation>
        </message>
        <message>
            <source>Tarvel (predefinito)</source>
            <translation>Tarvel (padrão)</translation>
        </message>
        <message>
            <source>personalizzato</source>
            <translation>personalizado</translation>
        </message>
        <message>
            <source>Ramadan (Umm al-Qura: Isha 120 min)</source>
            <translation>Ramadã (Umm al-Qura: Isha 120 min)</translation>
        </message>
        <message>
            <source>regola per le alte latitudini</source>
            <translation>regra para latitudes altas</translation>
        </message>
        <message>
            <source>nessuna</source>
            <translation>nenhuma</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <translation>meio da noite</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <translation>um sétimo da noite</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <translation>ângulo/60 da noite</translation>
        </message>
        <message>
            <source>correzioni [min]</source>
            <translation>ajustes [min]</translation>
        </message>
        <message>
            <source>Fajr</source>
            <translation>Fajr</translation>
        </message>
        <message>
            <source>alba</source>
            <translation>nascer</translation>
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
            <translation>%1 min após o Maghrib</translation>
        </message>
        <message>
            <source>raccomandata</source>
            <translation>recomendada</translation>
        </message>
        <message>
            <source>regola polare</source>
            <translation>regra polar</translation>
        </message>
        <message>
            <source>latitudine più vicina</source>
            <translation>latitude mais próxima</translation>
        </message>
        <message>
            <source>giorno più vicino</source>
            <translation>dia mais próximo</translation>
        </message>
        <message>
            <source>shafaq (Isha)</source>
            <translation>shafaq (Isha)</translation>
        </message>
        <message>
            <source>generale</source>
            <translation>geral</translation>
        </message>
        <message>
            <source>rosso (ahmar)</source>
            <translation>vermelho (ahmar)</translation>
        </message>
        <message>
            <source>bianco (abyad)</source>
            <translation>branco (abyad)</translation>
        </message>
        <message>
            <source>Isha dopo Maghrib [min]</source>
            <translation>Isha após o Maghrib [min]</translation>
        </message>
        <message>
            <source>angolo di Maghrib [º]</source>
            <translation>ângulo do Maghrib [º]</translation>
        </message>
        <message>
            <source>arrotondamento</source>
            <translation>arredondamento</translation>
        </message>
        <message>
            <source>nessuno</source>
            <translation>nenhum</translation>
        </message>
        <message>
            <source>al minuto più vicino</source>
            <translation>ao minuto mais próximo</translation>
        </message>
        <message>
            <source>al minuto successivo</source>
            <translation>ao minuto seguinte</translation>
        </message>
        <message>
            <source>calendario dell&apos;Egira</source>
            <translation>calendário da Hégira</translation>
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
            <translation>EdT</translation>
        </message>
        <message>
            <source>diff. longitudine</source>
            <translation>dif. longitude</translation>
        </message>
        <message>
            <source>tempo medio</source>
            <translation>tempo médio</translation>
        </message>
        <message>
            <source>ora vera fuso</source>
            <translation>hora verdadeira do fuso</translation>
        </message>
        <message>
            <source>ora vera locale</source>
            <translation>hora verdadeira local</translation>
        </message>
        <message>
            <source>italica</source>
            <translation>itálica</translation>
        </message>
        <message>
            <source>babilonese</source>
            <translation>babilônica</translation>
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
            <translation>ascensão reta</translation>
        </message>
        <message>
            <source>declinazione</source>
            <translation>declinação</translation>
        </message>
        <message>
            <source>ora</source>
            <translation>hora</translation>
        </message>
        <message>
            <source>azimut/altezza</source>
            <translation>azimute/altura</translation>
        </message>
        <message>
            <source>ore di luce</source>
            <translation>horas de luz</translation>
        </message>
        <message>
            <source>azimut</source>
            <translation>azimute</translation>
        </message>
        <message>
            <source>altezza</source>
            <translation>altura</translation>
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
            <translation>hora da Qibla</translation>
        </message>
        <message>
            <source>gg:mm:ss</source>
            <translation>gg:mm:ss</translation>
        </message>
        <message>
            <source>ggg.gggggg</source>
            <translation>ggg.gggggg</translation>
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
            <translation>Selecionar tudo</translation>
        </message>
        <message>
            <source>Deseleziona tutto</source>
            <translation>Desmarcar tudo</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>MISURE DEL TEMPO</source>
            <translation>MEDIDAS DO TEMPO</translation>
        </message>
        <message>
            <source>SORGE...TRAMONTA (VALORI GEOMETRICI)</source>
            <translation>NASCER...PÔR (VALORES GEOMÉTRICOS)</translation>
        </message>
        <message>
            <source>SORGE...TRAMONTA (VALORI APPARENTI)</source>
            <translation>NASCER...PÔR (VALORES APARENTES)</translation>
        </message>
        <message>
            <source>COORDINATE ECLITTICHE</source>
            <translation>COORDENADAS ECLÍPTICAS</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI GEOCENTRICHE</source>
            <translation>COORDENADAS EQUATORIAIS GEOCÊNTRICAS</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI TOPOCENTRICHE</source>
            <translation>COORDENADAS EQUATORIAIS TOPOCÊNTRICAS</translation>
        </message>
        <message>
            <source>COORDINATE ALTAZIMUTALI</source>
            <translation>COORDENADAS ALTAZIMUTAIS</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ORAÇÕES ISLÂMICAS</translation>
        </message>
        <message>
            <source>formato angoli</source>
            <translation>formato dos ângulos</translation>
        </message>
        <message>
            <source>formato ore</source>
            <translation>formato das horas</translation>
        </message>
        <message>
            <source>Opzioni per la tabella delle effemeridi</source>
            <translation>Opções da tabela de efemérides</translation>
        </message>
        <message>
            <source>Shuruq</source>
            <translation>Shuruq</translation>
        </message>
        <message>
            <source>crepuscolo civile</source>
            <translation>crepúsculo civil</translation>
        </message>
        <message>
            <source>crepuscolo nautico</source>
            <translation>crepúsculo náutico</translation>
        </message>
        <message>
            <source>crepuscolo astronomico</source>
            <translation>crepúsculo astronômico</translation>
        </message>
        <message>
            <source>ora dorata</source>
            <translation>hora dourada</translation>
        </message>
        <message>
            <source>notte</source>
            <translation>noite</translation>
        </message>
        <message>
            <source>SHURUQ, CREPUSCOLI E NOTTE</source>
            <translation>SHURUQ, CREPÚSCULOS E NOITE</translation>
        </message>
    </context>
    <context>
        <name>CTarvelDlg</name>
        <message>
            <source>Ora data dal limite stagionale del Moonsighting Committee.</source>
            <translation>Horário dado pelo limite sazonal do Moonsighting Committee.</translation>
        </message>
        <message>
            <source>Il Sole non raggiunge l'altezza del Maghrib: ora data dall'intervallo dopo il tramonto.</source>
            <translation>O Sol não atinge a altura do Maghrib: horário dado pelo intervalo após o pôr do sol.</translation>
        </message>
        <message>
            <source>Ora data dalla regola polare: latitudine più vicina, %1°.</source>
            <translation>Horário dado pela regra polar: latitude mais próxima, %1°.</translation>
        </message>
        <message>
            <source>Ora data dalla regola polare: giorno più vicino, %1.</source>
            <translation>Horário dado pela regra polar: dia mais próximo, %1.</translation>
        </message>
        <message>
            <source>ora blu del mattino</source>
            <translation>hora azul da manhã</translation>
        </message>
        <message>
            <source>ora dorata del mattino</source>
            <translation>hora dourada da manhã</translation>
        </message>
        <message>
            <source>ora dorata della sera</source>
            <translation>hora dourada da tarde</translation>
        </message>
        <message>
            <source>ora blu della sera</source>
            <translation>hora azul da tarde</translation>
        </message>
        <message>
            <source>data dell'Egira</source>
            <translation>data da Hégira</translation>
        </message>
        <message>
            <source>variazione</source>
            <translation>variação</translation>
        </message>
        <message>
            <source>Variazione delle ore di luce apparenti rispetto al giorno prima.</source>
            <translation>Variação das horas de luz aparentes em relação ao dia anterior.</translation>
        </message>
        <message>
            <source>it</source>
            <translation>pt</translation>
        </message>
        <message>
            <source>Per le preghiere la sera, dal Maghrib, appartiene al giorno seguente del calendario dell'Egira: %1.</source>
            <translation>Para as orações a noite, a partir do Maghrib, pertence ao dia seguinte do calendário da Hégira: %1.</translation>
        </message>
        <message>
            <source>Ora dell&apos;orologio in vigore a quell&apos;istante: %1</source>
            <translation>No relógio em vigor naquele instante: %1</translation>
        </message>
        <message>
            <source>ora estiva</source>
            <translation>horário de verão</translation>
        </message>
        <message>
            <source>latitudine (&lt;0 sud)</source>
            <translation>latitude (&lt;0 sul)</translation>
        </message>
        <message>
            <source>longitudine (&lt;0 est)</source>
            <translation>longitude (&lt;0 leste)</translation>
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
            <translation>Dia juliano</translation>
        </message>
        <message>
            <source>altitudine [m]</source>
            <translation>altitude [m]</translation>
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
            <translation>AR</translation>
        </message>
        <message>
            <source>declinazione</source>
            <translation>declinação</translation>
        </message>
        <message>
            <source>azimut</source>
            <translation>azimute</translation>
        </message>
        <message>
            <source>altezza</source>
            <translation>altura</translation>
        </message>
        <message>
            <source>rifrazione</source>
            <translation>refração</translation>
        </message>
        <message>
            <source>altezza con rifrazione</source>
            <translation>altura com refração</translation>
        </message>
        <message>
            <source>sorge</source>
            <translation>nasce</translation>
        </message>
        <message>
            <source>tramonta</source>
            <translation>põe-se</translation>
        </message>
        <message>
            <source>transita</source>
            <translation>transita</translation>
        </message>
        <message>
            <source>EdT</source>
            <translation>EdT</translation>
        </message>
        <message>
            <source>differenza di longitudine</source>
            <translation>diferença de longitude</translation>
        </message>
        <message>
            <source>ora vera del fuso</source>
            <translation>hora verdadeira do fuso</translation>
        </message>
        <message>
            <source>ora vera locale</source>
            <translation>hora verdadeira local</translation>
        </message>
        <message>
            <source>ora media locale</source>
            <translation>hora média local</translation>
        </message>
        <message>
            <source>ora media del fuso</source>
            <translation>hora média do fuso</translation>
        </message>
        <message>
            <source>ora italica</source>
            <translation>hora itálica</translation>
        </message>
        <message>
            <source>ora babilonese</source>
            <translation>hora babilônica</translation>
        </message>
        <message>
            <source>ora temporale</source>
            <translation>hora temporal</translation>
        </message>
        <message>
            <source>ore di luce</source>
            <translation>horas de luz</translation>
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
            <translation>horas até o pôr do sol</translation>
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
            <translation>agora</translation>
        </message>
        <message>
            <source>ora Qibla</source>
            <translation>hora da Qibla</translation>
        </message>
        <message>
            <source>DATA, ORA E LOCALITA'</source>
            <translation>DATA, HORA E LOCAL</translation>
        </message>
        <message>
            <source>MISURE DEL TEMPO</source>
            <translation>MEDIDAS DO TEMPO</translation>
        </message>
        <message>
            <source>COORDINATE ECLITTICHE</source>
            <translation>COORDENADAS ECLÍPTICAS</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI GEOCENTRICHE</source>
            <translation>COORDENADAS EQUATORIAIS GEOCÊNTRICAS</translation>
        </message>
        <message>
            <source>COORDINATE EQUATORIALI TOPOCENTRICHE</source>
            <translation>COORDENADAS EQUATORIAIS TOPOCÊNTRICAS</translation>
        </message>
        <message>
            <source>COORDINATE ALTAZIMUTALI</source>
            <translation>COORDENADAS ALTAZIMUTAIS</translation>
        </message>
        <message>
            <source>VALORI GEOMETRICI</source>
            <translation>VALORES GEOMÉTRICOS</translation>
        </message>
        <message>
            <source>VALORI APPARENTI</source>
            <translation>VALORES APARENTES</translation>
        </message>
        <message>
            <source>PREGHIERE ISLAMICHE</source>
            <translation>ORAÇÕES ISLÂMICAS</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
        </message>
        <message>
            <source>&amp;Esci</source>
            <translation>&amp;Sair</translation>
        </message>
        <message>
            <source>&amp;Calcola</source>
            <translation>&amp;Calcular</translation>
        </message>
        <message>
            <source>&amp;Tabella</source>
            <translation>&amp;Tabela</translation>
        </message>
        <message>
            <source>&amp;Grafici...</source>
            <translation>&amp;Gráficos...</translation>
        </message>
        <message>
            <source>&amp;Impostazioni</source>
            <translation>&amp;Configurações</translation>
        </message>
        <message>
            <source>&amp;Lingua</source>
            <translation>&amp;Idioma</translation>
        </message>
        <message>
            <source>&amp;Italiano</source>
            <translation>&amp;Italiano</translation>
        </message>
        <message>
            <source>In&amp;glese</source>
            <translation>In&amp;glês</translation>
        </message>
        <message>
            <source>&amp;Portoghese</source>
            <translation>&amp;Português</translation>
        </message>
        <message>
            <source>&amp;Preferenze...</source>
            <translation>&amp;Preferências...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;juda</translation>
        </message>
        <message>
            <source>Informazioni su Tarvel...</source>
            <translation>Sobre o Tarvel...</translation>
        </message>
        <message>
            <source>EST</source>
            <translation>LESTE</translation>
        </message>
        <message>
            <source>OVEST</source>
            <translation>OESTE</translation>
        </message>
        <message>
            <source>Giorno polare: in questa data il Sole non scende sotto l'orizzonte.</source>
            <translation>Dia polar: nesta data o Sol não desce abaixo do horizonte.</translation>
        </message>
        <message>
            <source>Notte polare: in questa data il Sole non sale sopra l'orizzonte.</source>
            <translation>Noite polar: nesta data o Sol não sobe acima do horizonte.</translation>
        </message>
        <message>
            <source>In questa data il Sole non raggiunge l'altezza di questa preghiera.</source>
            <translation>Nesta data o Sol não alcança a altura desta oração.</translation>
        </message>
        <message>
            <source>Evento assente in questa data: sull'orologio cade il giorno prima o il giorno dopo.</source>
            <translation>Evento ausente nesta data: no relógio ele cai no dia anterior ou no dia seguinte.</translation>
        </message>
        <message>
            <source>In questa data il Sole non passa per la direzione della Qibla fra il sorgere e il tramonto.</source>
            <translation>Nesta data o Sol não passa pela direção da Qibla entre o nascer e o pôr do sol.</translation>
        </message>
        <message>
            <source>LOCALITA' E FUSO ORARIO</source>
            <translation>LOCALIDADE E FUSO HORÁRIO</translation>
        </message>
        <message>
            <source>località</source>
            <translation>localidade</translation>
        </message>
        <message>
            <source>fuso per nome</source>
            <translation>fuso por nome</translation>
        </message>
        <message>
            <source>Il giorno dopo (+1 giorno): %1</source>
            <translation>O dia seguinte (+1 dia): %1</translation>
        </message>
        <message>
            <source>Il giorno prima (-1 giorno): %1</source>
            <translation>O dia anterior (-1 dia): %1</translation>
        </message>
        <message>
            <source>PERSONALIZZATO</source>
            <translation>PERSONALIZADO</translation>
        </message>
        <message>
            <source>CREPUSCOLI E NOTTE</source>
            <translation>CREPÚSCULOS E NOITE</translation>
        </message>
        <message>
            <source>alba astronomica</source>
            <translation>aurora astronômica</translation>
        </message>
        <message>
            <source>crepuscolo astronomico</source>
            <translation>crepúsculo astronômico</translation>
        </message>
        <message>
            <source>alba nautica</source>
            <translation>aurora náutica</translation>
        </message>
        <message>
            <source>crepuscolo nautico</source>
            <translation>crepúsculo náutico</translation>
        </message>
        <message>
            <source>alba civile</source>
            <translation>aurora civil</translation>
        </message>
        <message>
            <source>crepuscolo civile</source>
            <translation>crepúsculo civil</translation>
        </message>
        <message>
            <source>fine ora dorata</source>
            <translation>fim da hora dourada</translation>
        </message>
        <message>
            <source>inizio ora dorata</source>
            <translation>início da hora dourada</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <translation>meio da noite</translation>
        </message>
        <message>
            <source>inizio ultimo terzo</source>
            <translation>início do último terço</translation>
        </message>
        <message>
            <source>In questa data il Sole non raggiunge l'altezza di questo evento.</source>
            <translation>Nesta data o Sol não alcança a altura deste evento.</translation>
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
            <translation>EGITO</translation>
        </message>
        <message>
            <source>MECCA</source>
            <translation>MECA</translation>
        </message>
        <message>
            <source>KARACHI</source>
            <translation>CARACHI</translation>
        </message>
        <message>
            <source>TEHERAN</source>
            <translation>TEERÃ</translation>
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
            <translation>CATAR</translation>
        </message>
        <message>
            <source>SINGAPORE</source>
            <translation>SINGAPURA</translation>
        </message>
        <message>
            <source>TURCHIA</source>
            <translation>TURQUIA</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <translation>um sétimo da noite</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <translation>ângulo/60 da noite</translation>
        </message>
        <message>
            <source>Ora data dalla regola per le alte latitudini: %1.</source>
            <translation>Horário dado pela regra para latitudes altas: %1.</translation>
        </message>
        <message>
            <source>%1 fra %2 min</source>
            <translation>%1 em %2 min</translation>
        </message>
        <message>
            <source>%1 fra %2 h %3 min</source>
            <translation>%1 em %2 h %3 min</translation>
        </message>
        <message>
            <source>Qibla da nord</source>
            <translation>Qibla do norte</translation>
        </message>
        <message>
            <source>La prossima preghiera del metodo scelto e il tempo che manca.</source>
            <translation>A próxima oração do método escolhido e o tempo que falta.</translation>
        </message>
        <message>
            <source>Direzione della Qibla in gradi da nord verso est.</source>
            <translation>Direção da Qibla em graus a partir do norte, no sentido do leste.</translation>
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
            <translation>cálculo de</translation>
        </message>
        <message>
            <source>Tarvel</source>
            <translation>Tarvel</translation>
        </message>
        <message>
            <source>:/tarvel/splash_ITA.png</source>
            <translation>:/tarvel/splash_PTB.png</translation>
        </message>
    </context>
    <context>
        <name>ChartTexts</name>
        <message>
            <source>Percorso del Sole</source>
            <translation>Trajetória do Sol</translation>
        </message>
        <message>
            <source>Percorsi del Sole il 21 di ogni mese</source>
            <translation>Trajetórias do Sol no dia 21 de cada mês</translation>
        </message>
        <message>
            <source>Analemma</source>
            <translation>Analema</translation>
        </message>
        <message>
            <source>Analemma alle %1 del fuso (senza ora legale), %2</source>
            <translation>Analema às %1 do fuso (sem horário de verão), %2</translation>
        </message>
        <message>
            <source>Equazione del tempo</source>
            <translation>Equação do tempo</translation>
        </message>
        <message>
            <source>Giorno e crepuscoli nell'anno</source>
            <translation>Dia e crepúsculos ao longo do ano</translation>
        </message>
        <message>
            <source>Azimut in gradi da nord verso est (nel programma: da sud verso ovest)</source>
            <translation>Azimute em graus do norte para leste (no programa: do sul para oeste)</translation>
        </message>
        <message>
            <source>Azimut (gradi da nord verso est)</source>
            <translation>Azimute (graus do norte para leste)</translation>
        </message>
        <message>
            <source>Altezza (gradi)</source>
            <translation>Altura (graus)</translation>
        </message>
        <message>
            <source>Equazione del tempo (minuti)</source>
            <translation>Equação do tempo (minutos)</translation>
        </message>
        <message>
            <source>Declinazione (gradi)</source>
            <translation>Declinação (graus)</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Ora dell'orologio</source>
            <translation>Hora do relógio</translation>
        </message>
        <message>
            <source>Durata del giorno (ore)</source>
            <translation>Duração do dia (horas)</translation>
        </message>
        <message>
            <source>Sorgere e tramonto</source>
            <translation>Nascer e pôr do Sol</translation>
        </message>
        <message>
            <source>Culminazione</source>
            <translation>Culminação</translation>
        </message>
        <message>
            <source>Sole adesso</source>
            <translation>Sol agora</translation>
        </message>
        <message>
            <source>Orizzonte vero</source>
            <translation>Horizonte verdadeiro</translation>
        </message>
        <message>
            <source>Orizzonte apparente</source>
            <translation>Horizonte aparente</translation>
        </message>
        <message>
            <source>Crepuscolo civile</source>
            <translation>Crepúsculo civil</translation>
        </message>
        <message>
            <source>Crepuscolo nautico</source>
            <translation>Crepúsculo náutico</translation>
        </message>
        <message>
            <source>Crepuscolo astronomico</source>
            <translation>Crepúsculo astronômico</translation>
        </message>
        <message>
            <source>Qibla</source>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>Solstizio d'estate</source>
            <translation>Solstício de verão</translation>
        </message>
        <message>
            <source>Equinozi</source>
            <translation>Equinócios</translation>
        </message>
        <message>
            <source>Solstizio d'inverno</source>
            <translation>Solstício de inverno</translation>
        </message>
        <message>
            <source>Altri mesi</source>
            <translation>Outros meses</translation>
        </message>
        <message>
            <source>Primo del mese</source>
            <translation>Primeiro do mês</translation>
        </message>
        <message>
            <source>Equinozio</source>
            <translation>Equinócio</translation>
        </message>
        <message>
            <source>Solstizio</source>
            <translation>Solstício</translation>
        </message>
        <message>
            <source>Massimi e minimi</source>
            <translation>Máximos e mínimos</translation>
        </message>
        <message>
            <source>Giorno</source>
            <translation>Dia</translation>
        </message>
        <message>
            <source>Notte</source>
            <translation>Noite</translation>
        </message>
        <message>
            <source>Durata del giorno</source>
            <translation>Duração do dia</translation>
        </message>
        <message>
            <source>%1 min, %2</source>
            <translation>%1 min, %2</translation>
        </message>
        <message>
            <source>Azimut %1° (da nord), altezza %2°</source>
            <translation>Azimute %1° (do norte), altura %2°</translation>
        </message>
        <message>
            <source>Equazione del tempo %1 min, declinazione %2°</source>
            <translation>Equação do tempo %1 min, declinação %2°</translation>
        </message>
        <message>
            <source>%1: equazione del tempo %2 min</source>
            <translation>%1: equação do tempo %2 min</translation>
        </message>
        <message>
            <source>%1: ore %2; sorgere %3, tramonto %4, durata del giorno %5</source>
            <translation>%1: hora %2; nascer do Sol %3, pôr do Sol %4, duração do dia %5</translation>
        </message>
        <message>
            <source>Impossibile scrivere il file %1</source>
            <translation>Não é possível gravar o arquivo %1</translation>
        </message>
        <message>
            <source>Formato non riconosciuto: il nome del file deve finire in .png o .svg</source>
            <translation>Formato não reconhecido: o nome do arquivo deve terminar em .png ou .svg</translation>
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
            <translation>L</translation>
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
            <translation>SO</translation>
        </message>
        <message>
            <source>O</source>
            <translation>O</translation>
        </message>
        <message>
            <source>NO</source>
            <translation>NO</translation>
        </message>
        <message>
            <source>gen</source>
            <translation>jan</translation>
        </message>
        <message>
            <source>feb</source>
            <translation>fev</translation>
        </message>
        <message>
            <source>mar</source>
            <translation>mar</translation>
        </message>
        <message>
            <source>apr</source>
            <translation>abr</translation>
        </message>
        <message>
            <source>mag</source>
            <translation>mai</translation>
        </message>
        <message>
            <source>giu</source>
            <translation>jun</translation>
        </message>
        <message>
            <source>lug</source>
            <translation>jul</translation>
        </message>
        <message>
            <source>ago</source>
            <translation>ago</translation>
        </message>
        <message>
            <source>set</source>
            <translation>set</translation>
        </message>
        <message>
            <source>ott</source>
            <translation>out</translation>
        </message>
        <message>
            <source>nov</source>
            <translation>nov</translation>
        </message>
        <message>
            <source>dic</source>
            <translation>dez</translation>
        </message>
        <message>
            <source>Proiezione stereografica: lo zenit al centro, il nord in alto, l'est a destra</source>
            <translation>Projeção estereográfica: o zênite no centro, o norte em cima, o leste à direita</translation>
        </message>
        <message>
            <source>%1, ora legale %2</source>
            <translation>%1, horário de verão %2</translation>
        </message>
        <message>
            <source>%1, fuso %2</source>
            <translation>%1, fuso %2</translation>
        </message>
        <message>
            <source>Sole a %1°</source>
            <translation>Sol a %1°</translation>
        </message>
        <message>
            <source>Data scelta</source>
            <translation>Data escolhida</translation>
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
            <translation>Sol em %1 às %2: azimute %3° (do norte), altura %4°</translation>
        </message>
        <message>
            <source>Mattino e sera: crepuscolo astronomico %1 e %2, nautico %3 e %4, civile %5 e %6</source>
            <translation>Manhã e tarde: crepúsculo astronômico %1 e %2, náutico %3 e %4, civil %5 e %6</translation>
        </message>
        <message>
            <source>Orologio solare orizzontale</source>
            <translation>Relógio de sol horizontal</translation>
        </message>
        <message>
            <source>Orologio solare verticale</source>
            <translation>Relógio de sol vertical</translation>
        </message>
        <message>
            <source>Orologio solare equatoriale</source>
            <translation>Relógio de sol equatorial</translation>
        </message>
        <message>
            <source>Orologio solare polare</source>
            <translation>Relógio de sol polar</translation>
        </message>
        <message>
            <source>Ore vere (tempo solare vero)</source>
            <translation>Horas verdadeiras (tempo solar verdadeiro)</translation>
        </message>
        <message>
            <source>Tempo medio del fuso %1 (curve a otto)</source>
            <translation>Tempo médio do fuso %1 (curvas em oito)</translation>
        </message>
        <message>
            <source>Ore italiche (dal tramonto)</source>
            <translation>Horas itálicas (desde o pôr do sol)</translation>
        </message>
        <message>
            <source>Ore babiloniche (dall'alba)</source>
            <translation>Horas babilônicas (desde o nascer do sol)</translation>
        </message>
        <message>
            <source>Ore temporali (dodicesimi del giorno)</source>
            <translation>Horas temporárias (doze partes do dia)</translation>
        </message>
        <message>
            <source>Parete declinante %1° (da sud, positiva verso ovest), inclinazione %2°</source>
            <translation>Parede com declinação de %1° (a partir do sul, positiva para oeste), inclinação de %2°</translation>
        </message>
        <message>
            <source>Nodo a %1 mm dal piano; stilo polare a %2° sul piano, lungo %3 mm; sustilare a %4° dalla verticale del piano (positiva se scende verso destra)</source>
            <translation>Nodo a %1 mm do plano; estilete polar a %2° sobre o plano, com %3 mm; subestilar a %4° da vertical do plano (positivo se desce para a direita)</translation>
        </message>
        <message>
            <source>Nodo a %1 mm dal piano; stilo polare parallelo al piano</source>
            <translation>Nodo a %1 mm do plano; estilete polar paralelo ao plano</translation>
        </message>
        <message>
            <source>Sole sul quadrante il %1: %2 (tempo solare vero)</source>
            <translation>Sol no mostrador em %1: %2 (tempo solar verdadeiro)</translation>
        </message>
        <message>
            <source>mai</source>
            <translation>nunca</translation>
        </message>
        <message>
            <source>Scala 1:1: la barra misura 100 mm</source>
            <translation>Escala 1:1: a barra mede 100 mm</translation>
        </message>
        <message>
            <source>Sagoma dello gnomone (scala 1:1)</source>
            <translation>Molde do gnômon (escala 1:1)</translation>
        </message>
    </context>
    <context>
        <name>ChartsWindow</name>
        <message>
            <source>Grafici</source>
            <translation>Gráficos</translation>
        </message>
        <message>
            <source>Percorso del Sole</source>
            <translation>Trajetória do Sol</translation>
        </message>
        <message>
            <source>Percorsi nell'anno</source>
            <translation>Trajetórias no ano</translation>
        </message>
        <message>
            <source>Analemma</source>
            <translation>Analema</translation>
        </message>
        <message>
            <source>Equazione del tempo</source>
            <translation>Equação do tempo</translation>
        </message>
        <message>
            <source>Giorno e crepuscoli</source>
            <translation>Dia e crepúsculos</translation>
        </message>
        <message>
            <source>Preghiere</source>
            <translation>Orações</translation>
        </message>
        <message>
            <source>Mostra le preghiere del metodo scelto nel grafico del giorno</source>
            <translation>Mostra as orações do método escolhido no gráfico do dia</translation>
        </message>
        <message>
            <source>Esporta PNG...</source>
            <translation>Exportar PNG...</translation>
        </message>
        <message>
            <source>Esporta SVG...</source>
            <translation>Exportar SVG...</translation>
        </message>
        <message>
            <source>Esporta PNG</source>
            <translation>Exportar PNG</translation>
        </message>
        <message>
            <source>Esporta SVG</source>
            <translation>Exportar SVG</translation>
        </message>
        <message>
            <source>Immagini PNG (*.png)</source>
            <translation>Imagens PNG (*.png)</translation>
        </message>
        <message>
            <source>Disegni SVG (*.svg)</source>
            <translation>Desenhos SVG (*.svg)</translation>
        </message>
        <message>
            <source>Polare</source>
            <translation>Polar</translation>
        </message>
        <message>
            <source>Il percorso del Sole in proiezione stereografica: lo zenit al centro, il nord in alto</source>
            <translation>A trajetória do Sol em projeção estereográfica: o zênite no centro, o norte em cima</translation>
        </message>
        <message>
            <source>Dimensioni dell&apos;immagine</source>
            <translation>Tamanho da imagem</translation>
        </message>
        <message>
            <source> pixel</source>
            <translation> pixels</translation>
        </message>
        <message>
            <source>Larghezza:</source>
            <translation>Largura:</translation>
        </message>
        <message>
            <source>Altezza:</source>
            <translation>Altura:</translation>
        </message>
        <message>
            <source>Il grafico è disposto come nella finestra e disegnato più grande.</source>
            <translation>O gráfico é disposto como na janela e desenhado maior.</translation>
        </message>
        <message>
            <source>Orologio solare</source>
            <translation>Relógio de sol</translation>
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
            <translation>Verdadeiras</translation>
        </message>
        <message>
            <source>Medie</source>
            <translation>Médias</translation>
        </message>
        <message>
            <source>Italiche</source>
            <translation>Itálicas</translation>
        </message>
        <message>
            <source>Babiloniche</source>
            <translation>Babilônicas</translation>
        </message>
        <message>
            <source>Temporali</source>
            <translation>Temporárias</translation>
        </message>
        <message>
            <source>Solstizi ed equinozi</source>
            <translation>Solstícios e equinócios</translation>
        </message>
        <message>
            <source>Segni dello zodiaco</source>
            <translation>Signos do zodíaco</translation>
        </message>
        <message>
            <source>Nessuna linea di data</source>
            <translation>Nenhuma linha de data</translation>
        </message>
        <message>
            <source> mm</source>
            <translation> mm</translation>
        </message>
        <message>
            <source>La direzione verso cui guarda la parete, da sud, positiva verso ovest</source>
            <translation>A direção para a qual a parede está voltada, a partir do sul, positiva para oeste</translation>
        </message>
        <message>
            <source>La distanza del nodo dal piano</source>
            <translation>A distância do nodo ao plano</translation>
        </message>
        <message>
            <source>Il lato del quadrante quadrato</source>
            <translation>O lado do mostrador quadrado</translation>
        </message>
        <message>
            <source>Tipo:</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>Declinazione:</source>
            <translation>Declinação:</translation>
        </message>
        <message>
            <source>Gnomone:</source>
            <translation>Gnômon:</translation>
        </message>
        <message>
            <source>Lato:</source>
            <translation>Lado:</translation>
        </message>
        <message>
            <source>Ore:</source>
            <translation>Horas:</translation>
        </message>
        <message>
            <source>Esporta PDF...</source>
            <translation>Exportar PDF...</translation>
        </message>
        <message>
            <source>Esporta PDF</source>
            <translation>Exportar PDF</translation>
        </message>
        <message>
            <source>Documenti PDF (*.pdf)</source>
            <translation>Documentos PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Calcolo delle effemeridi solari per un osservatore: senza opzioni apre la finestra del programma.</source>
            <translation>Calculadora de efemérides solares para um observador: sem opções abre a janela do programa.</translation>
        </message>
    </context>
    <context>
        <name>SiteSides</name>
        <message>
            <source>N NORD</source>
            <comment>the words naming north, separated by blanks</comment>
            <translation>N NORTE</translation>
        </message>
        <message>
            <source>S SUD</source>
            <comment>the words naming south, separated by blanks</comment>
            <translation>S SUL</translation>
        </message>
        <message>
            <source>O OVEST</source>
            <comment>the words naming west, separated by blanks</comment>
            <translation>O OESTE</translation>
        </message>
        <message>
            <source>E EST</source>
            <comment>the words naming east, separated by blanks</comment>
            <translation>L E LESTE</translation>
        </message>
    </context>
    <context>
        <name>FormPass</name>
        <message>
            <source>Immettere un valore intero.</source>
            <translation>Digite um número inteiro.</translation>
        </message>
        <message>
            <source>Immettere un valore intero compreso tra %1 e %2.</source>
            <translation>Digite um número inteiro entre %1 e %2.</translation>
        </message>
        <message>
            <source>Immettere un numero.</source>
            <translation>Digite um número.</translation>
        </message>
        <message>
            <source>Immettere un numero compreso tra %1 e %2.</source>
            <translation>Digite um número entre %1 e %2.</translation>
        </message>
    </context>
    <context>
        <name>InterfaceLocale</name>
        <message>
            <source>it_IT</source>
            <extracomment>The locale of this language (its dates and month names), as language_TERRITORY.</extracomment>
            <translation>pt_BR</translation>
        </message>
    </context>
    <context>
        <name>StepUnits</name>
        <message>
            <source>anni</source>
            <translation>anos</translation>
        </message>
        <message>
            <source>mesi</source>
            <translation>meses</translation>
        </message>
        <message>
            <source>giorni</source>
            <translation>dias</translation>
        </message>
        <message>
            <source>ore</source>
            <translation>horas</translation>
        </message>
        <message>
            <source>minuti</source>
            <translation>minutos</translation>
        </message>
        <message>
            <source>secondi</source>
            <translation>segundos</translation>
        </message>
    </context>
    <context>
        <name>TableTexts</name>
        <message>
            <source>sud</source>
            <comment>102</comment>
            <translation>sul</translation>
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
            <translation>azimute</translation>
        </message>
        <message>
            <source>altezza</source>
            <comment>107</comment>
            <translation>altura</translation>
        </message>
        <message>
            <source>rifrazione</source>
            <comment>108</comment>
            <translation>refração</translation>
        </message>
        <message>
            <source>altezza</source>
            <comment>109</comment>
            <translation>altura</translation>
        </message>
        <message>
            <source>deltaT</source>
            <comment>110</comment>
            <translation>deltaT</translation>
        </message>
        <message>
            <source>EdT</source>
            <comment>111</comment>
            <translation>EdT</translation>
        </message>
        <message>
            <source>differenza</source>
            <comment>112</comment>
            <translation>diferença</translation>
        </message>
        <message>
            <source>tempo medio</source>
            <comment>113</comment>
            <translation>tempo médio</translation>
        </message>
        <message>
            <source>ora vera</source>
            <comment>114</comment>
            <translation>hora verdadeira</translation>
        </message>
        <message>
            <source>ora vera</source>
            <comment>115</comment>
            <translation>hora verdadeira</translation>
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
            <translation>ascensão reta</translation>
        </message>
        <message>
            <source>declinazione</source>
            <comment>119</comment>
            <translation>declinação</translation>
        </message>
        <message>
            <source>ascensione retta</source>
            <comment>120</comment>
            <translation>ascensão reta</translation>
        </message>
        <message>
            <source>declinazione</source>
            <comment>121</comment>
            <translation>declinação</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>122</comment>
            <translation>hora</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>123</comment>
            <translation>hora</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>124</comment>
            <translation>hora</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>125</comment>
            <translation>hora do</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>126</comment>
            <translation>hora do</translation>
        </message>
        <message>
            <source>ora del</source>
            <comment>127</comment>
            <translation>hora do</translation>
        </message>
        <message>
            <source>ore al</source>
            <comment>128</comment>
            <translation>horas até</translation>
        </message>
        <message>
            <source>ore di</source>
            <comment>129</comment>
            <translation>horas de</translation>
        </message>
        <message>
            <source>nord</source>
            <comment>132</comment>
            <translation>norte</translation>
        </message>
        <message>
            <source>est</source>
            <comment>133</comment>
            <translation>leste</translation>
        </message>
        <message>
            <source>ovest</source>
            <comment>134</comment>
            <translation>oeste</translation>
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
            <translation>data</translation>
        </message>
        <message>
            <source>ora</source>
            <comment>144</comment>
            <translation>hora</translation>
        </message>
        <message>
            <source>fuso</source>
            <comment>145</comment>
            <translation>fuso</translation>
        </message>
        <message>
            <source>Ora Estiva</source>
            <comment>146</comment>
            <translation>Horário de Verão</translation>
        </message>
        <message>
            <source>Valori decimali dell'incremento sono accettabili solo per i secondi</source>
            <comment>147</comment>
            <translation>Valores decimais do passo são aceitos somente para os segundos</translation>
        </message>
        <message>
            <source>azimut del</source>
            <comment>152</comment>
            <translation>azimute do</translation>
        </message>
        <message>
            <source>altezza del</source>
            <comment>153</comment>
            <translation>altura do</translation>
        </message>
        <message>
            <source>azimut del</source>
            <comment>154</comment>
            <translation>azimute do</translation>
        </message>
        <message>
            <source>ora della</source>
            <comment>155</comment>
            <translation>hora da</translation>
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
            <translation>altitude</translation>
        </message>
        <message>
            <source>si</source>
            <comment>159</comment>
            <translation>sim</translation>
        </message>
        <message>
            <source>no</source>
            <comment>160</comment>
            <translation>não</translation>
        </message>
        <message>
            <source>da sud</source>
            <comment>161</comment>
            <translation>do sul</translation>
        </message>
        <message>
            <source>apparente</source>
            <comment>162</comment>
            <translation>aparente</translation>
        </message>
        <message>
            <source>di</source>
            <comment>163</comment>
            <translation>de</translation>
        </message>
        <message>
            <source>locale</source>
            <comment>164</comment>
            <translation>local</translation>
        </message>
        <message>
            <source>del fuso</source>
            <comment>165</comment>
            <translation>do fuso</translation>
        </message>
        <message>
            <source>locale</source>
            <comment>166</comment>
            <translation>local</translation>
        </message>
        <message>
            <source>eclittica</source>
            <comment>167</comment>
            <translation>eclíptica</translation>
        </message>
        <message>
            <source>eclittica</source>
            <comment>168</comment>
            <translation>eclíptica</translation>
        </message>
        <message>
            <source>geocentrica</source>
            <comment>169</comment>
            <translation>geocêntrica</translation>
        </message>
        <message>
            <source>geocentrica</source>
            <comment>170</comment>
            <translation>geocêntrica</translation>
        </message>
        <message>
            <source>topocentrica</source>
            <comment>171</comment>
            <translation>topocêntrica</translation>
        </message>
        <message>
            <source>topocentrica</source>
            <comment>172</comment>
            <translation>topocêntrica</translation>
        </message>
        <message>
            <source>italica</source>
            <comment>173</comment>
            <translation>itálica</translation>
        </message>
        <message>
            <source>babilonese</source>
            <comment>174</comment>
            <translation>babilônica</translation>
        </message>
        <message>
            <source>temporale</source>
            <comment>175</comment>
            <translation>temporal</translation>
        </message>
        <message>
            <source>sorgere</source>
            <comment>176</comment>
            <translation>nascer</translation>
        </message>
        <message>
            <source>sorgere</source>
            <comment>177</comment>
            <translation>nascer</translation>
        </message>
        <message>
            <source>transito</source>
            <comment>178</comment>
            <translation>trânsito</translation>
        </message>
        <message>
            <source>transito</source>
            <comment>179</comment>
            <translation>trânsito</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>180</comment>
            <translation>pôr do sol</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>181</comment>
            <translation>pôr do sol</translation>
        </message>
        <message>
            <source>tramonto</source>
            <comment>182</comment>
            <translation>pôr do sol</translation>
        </message>
        <message>
            <source>luce</source>
            <comment>183</comment>
            <translation>luz</translation>
        </message>
        <message>
            <source>Qibla</source>
            <comment>184</comment>
            <translation>Qibla</translation>
        </message>
        <message>
            <source>(geometrico)</source>
            <comment>185</comment>
            <translation>(geométrico)</translation>
        </message>
        <message>
            <source>(apparente)</source>
            <comment>186</comment>
            <translation>(aparente)</translation>
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
            <translation>[gg°mm'ss"]</translation>
        </message>
        <message>
            <source>[g]</source>
            <comment>191</comment>
            <translation>[g]</translation>
        </message>
        <message>
            <source>[mm'ss"]</source>
            <comment>192</comment>
            <translation>[mm'ss"]</translation>
        </message>
        <message>
            <source>alba</source>
            <comment>193</comment>
            <translation>aurora</translation>
        </message>
        <message>
            <source>crepuscolo</source>
            <comment>194</comment>
            <translation>crepúsculo</translation>
        </message>
        <message>
            <source>civile</source>
            <comment>195</comment>
            <translation>civil</translation>
        </message>
        <message>
            <source>nautica</source>
            <comment>196</comment>
            <translation>náutica</translation>
        </message>
        <message>
            <source>nautico</source>
            <comment>197</comment>
            <translation>náutico</translation>
        </message>
        <message>
            <source>astronomica</source>
            <comment>198</comment>
            <translation>astronômica</translation>
        </message>
        <message>
            <source>astronomico</source>
            <comment>199</comment>
            <translation>astronômico</translation>
        </message>
        <message>
            <source>fine</source>
            <comment>200</comment>
            <translation>fim da</translation>
        </message>
        <message>
            <source>ora dorata</source>
            <comment>201</comment>
            <translation>hora dourada</translation>
        </message>
        <message>
            <source>(mattino)</source>
            <comment>202</comment>
            <translation>(manhã)</translation>
        </message>
        <message>
            <source>inizio</source>
            <comment>203</comment>
            <translation>início da</translation>
        </message>
        <message>
            <source>(sera)</source>
            <comment>204</comment>
            <translation>(tarde)</translation>
        </message>
        <message>
            <source>metà</source>
            <comment>205</comment>
            <translation>meio</translation>
        </message>
        <message>
            <source>della notte</source>
            <comment>206</comment>
            <translation>da noite</translation>
        </message>
        <message>
            <source>ultimo terzo</source>
            <comment>207</comment>
            <translation>último terço</translation>
        </message>
        <message>
            <source>notte</source>
            <comment>208</comment>
            <translation>noite</translation>
        </message>
        <message>
            <source>inizio</source>
            <comment>209</comment>
            <translation>início do</translation>
        </message>
        <message>
            <source>Shuruq</source>
            <comment>210</comment>
            <translation>Shuruq</translation>
        </message>
        <message>
            <source>Immettere una data e un'ora comprese tra %1 e %2.</source>
            <translation>Digite uma data e hora entre %1 e %2.</translation>
        </message>
        <message>
            <source>Fuso orario non previsto: %1.</source>
            <translation>Fuso horário não previsto: %1.</translation>
        </message>
        <message>
            <source>L&apos;ultima riga della tabella cadrebbe dopo il %1: ridurre il passo o il numero di punti.</source>
            <translation>A última linha da tabela cairia depois de %1: reduza o passo ou o número de pontos.</translation>
        </message>
        <message>
            <source>metodo delle preghiere</source>
            <comment>211</comment>
            <translation>método das orações</translation>
        </message>
        <message>
            <source>personalizzato</source>
            <comment>212</comment>
            <translation>personalizado</translation>
        </message>
        <message>
            <source>regola per le alte latitudini</source>
            <comment>213</comment>
            <translation>regra para latitudes altas</translation>
        </message>
        <message>
            <source>metà della notte</source>
            <comment>214</comment>
            <translation>meio da noite</translation>
        </message>
        <message>
            <source>un settimo della notte</source>
            <comment>215</comment>
            <translation>um sétimo da noite</translation>
        </message>
        <message>
            <source>angolo/60 della notte</source>
            <comment>216</comment>
            <translation>ângulo/60 da noite</translation>
        </message>
        <message>
            <source>raccomandata</source>
            <comment>217</comment>
            <translation>recomendada</translation>
        </message>
    </context>
    <context>
        <name>TimeZones</name>
        <message>
            <source>UTC-11 (BEST – Bering Standard Time)</source>
            <translation>UTC-11 (BEST – Hora Padrão de Bering)</translation>
        </message>
        <message>
            <source>UTC-10 (HST – Hawaii-Aleutian Standard Time) </source>
            <translation>UTC-10 (HST – Hora Padrão do Havaí-Aleutas) </translation>
        </message>
        <message>
            <source>UTC-9:30</source>
            <translation>UTC-9:30</translation>
        </message>
        <message>
            <source>UTC-9 (AKST – Alaska Standard Time) </source>
            <translation>UTC-9 (AKST – Hora Padrão do Alasca) </translation>
        </message>
        <message>
            <source>UTC-8 (PST – Pacific Standard Time) </source>
            <translation>UTC-8 (PST – Hora Padrão do Pacífico) </translation>
        </message>
        <message>
            <source>UTC-7 (MST – Mountain Standard Time) </source>
            <translation>UTC-7 (MST – Hora Padrão das Montanhas) </translation>
        </message>
        <message>
            <source>UTC-6 (CST – Central Standard Time) </source>
            <translation>UTC-6 (CST – Hora Padrão Central) </translation>
        </message>
        <message>
            <source>UTC-5 (EST – Eastern Standard Time) </source>
            <translation>UTC-5 (EST – Hora Padrão do Leste) </translation>
        </message>
        <message>
            <source>UTC-4:30</source>
            <translation>UTC-4:30</translation>
        </message>
        <message>
            <source>UTC-4 (AST – Atlantic Standard Time) </source>
            <translation>UTC-4 (AST – Hora Padrão do Atlântico) </translation>
        </message>
        <message>
            <source>UTC-3:30 (NST – Newfoundland Standard Time) </source>
            <translation>UTC-3:30 (NST – Hora Padrão da Terra Nova) </translation>
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
            <translation>UTC+0 (WET – Hora da Europa Ocidental) </translation>
        </message>
        <message>
            <source>UTC+1 (CET – Central European Time) </source>
            <translation>UTC+1 (CET – Hora da Europa Central) </translation>
        </message>
        <message>
            <source>UTC+2 (EET – East European Time) </source>
            <translation>UTC+2 (EET – Hora da Europa Oriental) </translation>
        </message>
        <message>
            <source>UTC+3 (MSK – Moscow Time) </source>
            <translation>UTC+3 (MSK – Hora de Moscou) </translation>
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
            <translation>UTC+5:30 (IST – Hora Padrão da Índia) </translation>
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
            <translation>UTC+8 (AWST – Hora Padrão da Austrália Ocidental) </translation>
        </message>
        <message>
            <source>UTC+8:30 (NKST – North Korean Standard Time) </source>
            <translation>UTC+8:30 (NKST – Hora Padrão da Coreia do Norte) </translation>
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
            <translation>UTC+9:30 (ACST – Australian Hora Padrão Central) </translation>
        </message>
        <message>
            <source>UTC+10 (AEST – Australian Eastern Standard Time) </source>
            <translation>UTC+10 (AEST – Australian Hora Padrão do Leste) </translation>
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
            <translation>Nenhum lugar encontrado para “%1”.</translation>
        </message>
        <message>
            <source>L&apos;indice dei luoghi %1 manca o è danneggiato: nessun luogo si può trovare per nome. Reinstallare il programma, o immettere latitudine, longitudine e fuso.</source>
            <translation>O índice de locais %1 falta ou está danificado: nenhum local pode ser encontrado pelo nome. Reinstale o programa, ou digite a latitude, a longitude e o fuso.</translation>
        </message>
        <message>
            <source>cerca una città</source>
            <translation>procurar uma cidade</translation>
        </message>
        <message>
            <source>fuso per nome (Area/Città)</source>
            <translation>fuso por nome (Área/Cidade)</translation>
        </message>
        <message>
            <source>, estate %1</source>
            <translation>, verão %1</translation>
        </message>
        <message>
            <source>ora inesistente (cambio dell'ora): calcolata per le %1</source>
            <translation>hora inexistente (mudança de horário): calculada para as %1</translation>
        </message>
        <message>
            <source>ora ripetuta (cambio dell'ora): calcolata per la prima, %1</source>
            <translation>hora repetida (mudança de horário): calculada para a primeira, %1</translation>
        </message>
        <message>
            <source>Fuso %1: dati danneggiati o illeggibili su questo computer; fuso da impostare a mano.</source>
            <translation>Fuso horário %1: dados danificados ou ilegíveis neste computador; defina o fuso manualmente.</translation>
        </message>
    </context>
    <context>
        <name>CliReport</name>
        <message>
            <source>durata della notte</source>
            <translation>duração da noite</translation>
        </message>
        <message>
            <source>ultimo terzo della notte</source>
            <translation>último terço da noite</translation>
        </message>
        <message>
            <source>metodo</source>
            <translation>método</translation>
        </message>
        <message>
            <source>regola alte latitudini</source>
            <translation>regra de altas latitudes</translation>
        </message>
        <message>
            <source>giorno</source>
            <translation>dia</translation>
        </message>
        <message>
            <source>giorni</source>
            <translation>dias</translation>
        </message>
        <message>
            <source>ora blu del mattino</source>
            <translation>hora azul da manhã</translation>
        </message>
        <message>
            <source>ora dorata del mattino</source>
            <translation>hora dourada da manhã</translation>
        </message>
        <message>
            <source>ora dorata della sera</source>
            <translation>hora dourada da tarde</translation>
        </message>
        <message>
            <source>ora blu della sera</source>
            <translation>hora azul da tarde</translation>
        </message>
        <message>
            <source>variazione durata giorno</source>
            <translation>variação duração do dia</translation>
        </message>
        <message>
            <source>CALENDARIO ISLAMICO</source>
            <translation>CALENDÁRIO ISLÂMICO</translation>
        </message>
        <message>
            <source>data dell'Egira</source>
            <translation>data da Hégira</translation>
        </message>
        <message>
            <source>dal Maghrib</source>
            <translation>a partir do Maghrib</translation>
        </message>
        <message>
            <source>limite stagionale</source>
            <translation>limite sazonal</translation>
        </message>
        <message>
            <source>intervallo dopo il tramonto</source>
            <translation>intervalo após o pôr do sol</translation>
        </message>
        <message>
            <source>latitudine più vicina</source>
            <translation>latitude mais próxima</translation>
        </message>
        <message>
            <source>giorno più vicino</source>
            <translation>dia mais próximo</translation>
        </message>
    </context>
</TS>
