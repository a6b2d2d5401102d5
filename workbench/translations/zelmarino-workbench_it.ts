<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Arm</name>
    <message>
        <source>shunt across the input port</source>
        <translation>in parallelo alla porta d&apos;ingresso</translation>
    </message>
    <message>
        <source>shunt across the output port</source>
        <translation>in parallelo alla porta d&apos;uscita</translation>
    </message>
    <message>
        <source>series</source>
        <translation>in serie</translation>
    </message>
    <message>
        <source>series on the input side</source>
        <translation>in serie, lato ingresso</translation>
    </message>
    <message>
        <source>series on the output side</source>
        <translation>in serie, lato uscita</translation>
    </message>
    <message>
        <source>shunt from the middle</source>
        <translation>in parallelo dal nodo centrale</translation>
    </message>
    <message>
        <source>series at the input port</source>
        <translation>in serie alla porta d&apos;ingresso</translation>
    </message>
    <message>
        <source>series on the input side, upper half</source>
        <translation>in serie, lato ingresso, metà superiore</translation>
    </message>
    <message>
        <source>series on the input side, lower half</source>
        <translation>in serie, lato ingresso, metà inferiore</translation>
    </message>
    <message>
        <source>series on the output side, upper half</source>
        <translation>in serie, lato uscita, metà superiore</translation>
    </message>
    <message>
        <source>series on the output side, lower half</source>
        <translation>in serie, lato uscita, metà inferiore</translation>
    </message>
    <message>
        <source>shunt between the middle nodes</source>
        <translation>in parallelo tra i nodi centrali</translation>
    </message>
    <message>
        <source>series, upper half</source>
        <translation>in serie, metà superiore</translation>
    </message>
    <message>
        <source>series, lower half</source>
        <translation>in serie, metà inferiore</translation>
    </message>
    <message>
        <source>bridge from port to port</source>
        <translation>ponte da porta a porta</translation>
    </message>
    <message>
        <source>series between the ports</source>
        <translation>in serie tra le porte</translation>
    </message>
    <message>
        <source>shunt across the line at both ports</source>
        <translation>in parallelo alla linea, su entrambe le porte</translation>
    </message>
    <message>
        <source>from the input port to the centre</source>
        <translation>dalla porta d&apos;ingresso al centro</translation>
    </message>
    <message>
        <source>from the centre to the output port</source>
        <translation>dal centro alla porta d&apos;uscita</translation>
    </message>
    <message>
        <source>from the centre to the second output port</source>
        <translation>dal centro alla seconda porta d&apos;uscita</translation>
    </message>
    <message>
        <source>from the input port to the output port</source>
        <translation>dalla porta d&apos;ingresso alla porta d&apos;uscita</translation>
    </message>
    <message>
        <source>from the input port to the second output port</source>
        <translation>dalla porta d&apos;ingresso alla seconda porta d&apos;uscita</translation>
    </message>
    <message>
        <source>series from the input port to the line</source>
        <translation>in serie dalla porta d&apos;ingresso alla linea</translation>
    </message>
    <message>
        <source>series from the line to the output port</source>
        <translation>in serie dalla linea alla porta d&apos;uscita</translation>
    </message>
    <message>
        <source>from the hybrid&apos;s through port to ground</source>
        <translation>dalla porta diretta dell&apos;ibrido a massa</translation>
    </message>
    <message>
        <source>from the hybrid&apos;s coupled port to ground</source>
        <translation>dalla porta accoppiata dell&apos;ibrido a massa</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Input resistance</source>
        <translation>Resistenza d&apos;ingresso</translation>
    </message>
    <message>
        <source>Output resistance</source>
        <translation>Resistenza d&apos;uscita</translation>
    </message>
    <message>
        <source>Input return loss</source>
        <translation>Perdita di ritorno in ingresso</translation>
    </message>
    <message>
        <source>Output return loss</source>
        <translation>Perdita di ritorno in uscita</translation>
    </message>
    <message>
        <source>Input VSWR</source>
        <translation>ROS in ingresso</translation>
    </message>
    <message>
        <source>Output VSWR</source>
        <translation>ROS in uscita</translation>
    </message>
    <message>
        <source>Input |Γ|</source>
        <translation>|Γ| in ingresso</translation>
    </message>
    <message>
        <source>Output |Γ|</source>
        <translation>|Γ| in uscita</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Attenuazione</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Pi attenuator</source>
        <translation>Attenuatore a Pi greco</translation>
    </message>
    <message>
        <source>T attenuator</source>
        <translation>Attenuatore a T</translation>
    </message>
    <message>
        <source>L attenuator matched at the output port</source>
        <translation>Attenuatore a L adattato in uscita</translation>
    </message>
    <message>
        <source>L attenuator matched at the input port</source>
        <translation>Attenuatore a L adattato in ingresso</translation>
    </message>
    <message>
        <source>H attenuator (balanced T)</source>
        <translation>Attenuatore ad H (T bilanciato)</translation>
    </message>
    <message>
        <source>O attenuator (balanced Pi)</source>
        <translation>Attenuatore a O (Pi greco bilanciato)</translation>
    </message>
    <message>
        <source>Bridged T attenuator</source>
        <translation>Attenuatore a T a ponte</translation>
    </message>
    <message>
        <source>Single series resistor pad</source>
        <translation>Rete a un solo resistore in serie</translation>
    </message>
    <message>
        <source>Single shunt resistor pad</source>
        <translation>Rete a un solo resistore in parallelo</translation>
    </message>
    <message>
        <source>Resistive power splitter</source>
        <translation>Divisore di potenza resistivo</translation>
    </message>
    <message>
        <source>Two-resistor splitter</source>
        <translation>Divisore a due resistori</translation>
    </message>
    <message>
        <source>Quarter-wave series attenuator</source>
        <translation>Attenuatore serie a quarto d&apos;onda</translation>
    </message>
    <message>
        <source>Quarter-wave shunt attenuator</source>
        <translation>Attenuatore parallelo a quarto d&apos;onda</translation>
    </message>
    <message>
        <source>Reflection attenuator</source>
        <translation>Attenuatore a riflessione</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>needed</source>
        <translation>necessario</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuori intervallo</translation>
    </message>
    <message>
        <source>too small</source>
        <translation>troppo piccolo</translation>
    </message>
    <message>
        <source>must be a resistance above 0 ohms</source>
        <translation>dev&apos;essere una resistenza maggiore di 0 ohm</translation>
    </message>
    <message>
        <source>must be a loss above 0 dB</source>
        <translation>dev&apos;essere un&apos;attenuazione maggiore di 0 dB</translation>
    </message>
    <message>
        <source>must be a percentage above 0 and below 100</source>
        <translation>dev&apos;essere una percentuale tra 0 e 100, esclusi</translation>
    </message>
    <message>
        <source>not a number of watts or dBm</source>
        <translation>non è un numero di watt o di dBm</translation>
    </message>
    <message>
        <source>must be a power above 0 W</source>
        <translation>dev&apos;essere una potenza maggiore di 0 W</translation>
    </message>
    <message>
        <source>not a number of watts</source>
        <translation>non è un numero di watt</translation>
    </message>
    <message>
        <source>must be a rating above 0 W</source>
        <translation>dev&apos;essere una potenza nominale maggiore di 0 W</translation>
    </message>
    <message>
        <source>must be a return loss of 0 dB or more</source>
        <translation>dev&apos;essere una perdita di ritorno di 0 dB o più</translation>
    </message>
    <message>
        <source>a resistance is 0 ohms or more</source>
        <translation>una resistenza è di 0 ohm o più</translation>
    </message>
    <message>
        <source>must be a frequency above 0 Hz</source>
        <translation>dev&apos;essere una frequenza maggiore di 0 Hz</translation>
    </message>
    <message>
        <source>must be above the start of the sweep</source>
        <translation>dev&apos;essere oltre l&apos;inizio della scansione</translation>
    </message>
    <message>
        <source>needs a power, the source power whose dissipation it scales</source>
        <translation>richiede una potenza, quella del generatore di cui scala la dissipazione</translation>
    </message>
    <message>
        <source>between equal impedances the least loss is 0 dB, no pad at all</source>
        <translation>tra impedenze uguali l&apos;attenuazione minima è 0 dB, nessuna rete</translation>
    </message>
    <message>
        <source>an L matches both ports only with its shunt across the smaller impedance</source>
        <translation>una L adatta entrambe le porte solo col ramo in parallelo sull&apos;impedenza minore</translation>
    </message>
    <message>
        <source>a bridged T is matched only between equal impedances</source>
        <translation>una T a ponte è adattata solo tra impedenze uguali</translation>
    </message>
    <message>
        <source>out of range (the dissipation would overflow)</source>
        <translation>fuori intervallo (la dissipazione traboccherebbe)</translation>
    </message>
    <message>
        <source>out of range (the tolerated source power would overflow)</source>
        <translation>fuori intervallo (la potenza tollerata traboccherebbe)</translation>
    </message>
    <message>
        <source>these resistors make a circuit that cannot be solved</source>
        <translation>questi resistori formano un circuito che non si può risolvere</translation>
    </message>
    <message>
        <source>the loss is below the minimum for these impedances: some arm is negative</source>
        <translation>l&apos;attenuazione è sotto il minimo per queste impedenze: qualche ramo è negativo</translation>
    </message>
    <message>
        <source>too small: 10^(A/20) rounds to 1</source>
        <translation>troppo piccola: 10^(A/20) si arrotonda a 1</translation>
    </message>
    <message>
        <source>too large for double precision</source>
        <translation>troppo grande per la doppia precisione</translation>
    </message>
    <message>
        <source>not an inductance (1nH, 0.4n)</source>
        <translation>non è un&apos;induttanza (1nH, 0.4n)</translation>
    </message>
    <message>
        <source>must be an inductance of 0 H or more</source>
        <translation>dev&apos;essere un&apos;induttanza di 0 H o più</translation>
    </message>
    <message>
        <source>must be a flatness above 0 dB</source>
        <translation>dev&apos;essere una planarità maggiore di 0 dB</translation>
    </message>
    <message>
        <source>a resistive power splitter is matched only between equal impedances</source>
        <translation>un divisore di potenza resistivo è adattato solo tra impedenze uguali</translation>
    </message>
    <message>
        <source>a two-resistor splitter is matched only between equal impedances</source>
        <translation>un divisore a due resistori è adattato solo tra impedenze uguali</translation>
    </message>
    <message>
        <source>a quarter-wave series attenuator is matched only between equal impedances</source>
        <translation>un attenuatore serie a quarto d&apos;onda è adattato solo fra impedenze uguali</translation>
    </message>
    <message>
        <source>a quarter-wave shunt attenuator is matched only between equal impedances</source>
        <translation>un attenuatore parallelo a quarto d&apos;onda è adattato solo fra impedenze uguali</translation>
    </message>
    <message>
        <source>a reflection attenuator is matched only between equal impedances</source>
        <translation>un attenuatore a riflessione è adattato solo fra impedenze uguali</translation>
    </message>
    <message>
        <source>needs its design frequency f0, where its lines are a quarter wave</source>
        <translation>serve la frequenza di progetto f0, alla quale le sue linee sono un quarto d&apos;onda</translation>
    </message>
    <message>
        <source>analysed at f0 alone: the optimisation, the tolerance and the power are analyses at DC</source>
        <translation>si analizza solo a f0: ottimizzazione, tolleranza e potenza sono analisi in continua</translation>
    </message>
    <message>
        <source>its lines are designed with its arms, not given</source>
        <translation>le sue linee si progettano insieme ai rami, non si danno</translation>
    </message>
</context>
<context>
    <name>zelmarino::workbench::InputPanel</name>
    <message>
        <source>&amp;Optimise: the set closest to the loss</source>
        <translation>&amp;Ottimizza: la serie più vicina all&apos;attenuazione</translation>
    </message>
    <message>
        <source>&amp;Pairs: two values in an arm</source>
        <translation>Co&amp;ppie: due valori in un ramo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Design for a loss</source>
        <translation>Progetta per un&apos;attenuazione</translation>
    </message>
    <message>
        <source>Check the resistors I have</source>
        <translation>Verifica i resistori che ho</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rete</translation>
    </message>
    <message>
        <source>Across the output port</source>
        <translation>Sulla porta d&apos;uscita</translation>
    </message>
    <message>
        <source>Across the input port</source>
        <translation>Sulla porta d&apos;ingresso</translation>
    </message>
    <message>
        <source>Z&amp;in (Ω)</source>
        <translation>Z&amp;in (Ω)</translation>
    </message>
    <message>
        <source>Resistor %1</source>
        <translation>Resistore %1</translation>
    </message>
    <message>
        <source>100, 1k5, 47+36, 220||330</source>
        <translation>100, 1k5, 47+36, 220||330</translation>
    </message>
    <message>
        <source>Standard values</source>
        <translation>Valori normalizzati</translation>
    </message>
    <message>
        <source>None: exact values</source>
        <translation>Nessuna: valori esatti</translation>
    </message>
    <message>
        <source>Tolerance and power</source>
        <translation>Tolleranza e potenza</translation>
    </message>
    <message>
        <source>&amp;Tolerance (%)</source>
        <translation>&amp;Tolleranza (%)</translation>
    </message>
    <message>
        <source>Po&amp;wer (W or dBm)</source>
        <translation>Pot&amp;enza (W o dBm)</translation>
    </message>
    <message>
        <source>Parts and response</source>
        <translation>Componenti e risposta</translation>
    </message>
    <message>
        <source>Ideal resistors</source>
        <translation>Resistori ideali</translation>
    </message>
    <message>
        <source>My own parasitics</source>
        <translation>Parassiti miei</translation>
    </message>
    <message>
        <source>P&amp;arts</source>
        <translation>&amp;Componenti</translation>
    </message>
    <message>
        <source>Design frequency f&amp;0 (Hz)</source>
        <translation>Frequenza di progetto f&amp;0 (Hz)</translation>
    </message>
    <message>
        <source>Sweep fro&amp;m (Hz)</source>
        <translation>Scansione &amp;da (Hz)</translation>
    </message>
    <message>
        <source>Least loss the impe&amp;dances allow</source>
        <translation>Minima attenuazione &amp;data dalle impedenze</translation>
    </message>
    <message>
        <source>Tas&amp;k</source>
        <translation>Compit&amp;o</translation>
    </message>
    <message>
        <source>S&amp;hunt arm</source>
        <translation>Ramo in &amp;parallelo</translation>
    </message>
    <message>
        <source>Zo&amp;ut (Ω)</source>
        <translation>Z&amp;out (Ω)</translation>
    </message>
    <message>
        <source>&amp;Loss (dB)</source>
        <translation>&amp;Attenuazione (dB)</translation>
    </message>
    <message>
        <source>Serie&amp;s</source>
        <translation>Seri&amp;e</translation>
    </message>
    <message>
        <source>Return-loss floo&amp;r (dB)</source>
        <translation>Perdita di ritorno mi&amp;nima (dB)</translation>
    </message>
    <message>
        <source>Ratin&amp;g of each part (W)</source>
        <translation>Potenza nominale di &amp;ogni resistore (W)</translation>
    </message>
    <message>
        <source>Flatness (d&amp;B)</source>
        <translation>Planarità (d&amp;B)</translation>
    </message>
    <message>
        <source>Sweep to (H&amp;z)</source>
        <translation>Scansione &amp;fino a (Hz)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Own parasiti&amp;cs</source>
        <translation>Parassiti &amp;propri</translation>
    </message>
    <message>
        <source>Inductance in series, capacitance across: L=1nH,C=0.05pF</source>
        <translation>Induttanza in serie, capacità in parallelo: L=1nH,C=0.05pF</translation>
    </message>
    <message>
        <source>&amp;Via to ground (H)</source>
        <translation>&amp;Via verso massa (H)</translation>
    </message>
    <message>
        <source>Low: arms below Z</source>
        <translation>Bassa: rami sotto Z</translation>
    </message>
    <message>
        <source>High: arms above Z</source>
        <translation>Alta: rami sopra Z</translation>
    </message>
    <message>
        <source>Refl&amp;ection root</source>
        <translation>Radice della riflessio&amp;ne</translation>
    </message>
    <message>
        <source>Ideal quarter-wave lines</source>
        <translation>Linee ideali a quarto d&apos;onda</translation>
    </message>
    <message>
        <source>Lumped C-L-C equivalents</source>
        <translation>Equivalenti concentrati C-L-C</translation>
    </message>
    <message>
        <source>Line t&amp;ype</source>
        <translation>Tipo di line&amp;a</translation>
    </message>
</context>
<context>
    <name>zelmarino::workbench::ResponsePlot</name>
    <message>
        <source>Response</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Point at the plot, or use the arrow keys, to read the curves</source>
        <translation>Punta il grafico, o usa le frecce, per leggere le curve</translation>
    </message>
    <message>
        <source>No response to draw</source>
        <translation>Nessuna risposta da tracciare</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>return loss under %1 dB</source>
        <translation>perdita di ritorno sotto %1 dB</translation>
    </message>
    <message>
        <source>loss within ±%1 dB</source>
        <translation>attenuazione entro ±%1 dB</translation>
    </message>
</context>
<context>
    <name>zelmarino::workbench::ResultsView</name>
    <message>
        <source>Arms</source>
        <translation>Rami</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Verifiche</translation>
    </message>
    <message>
        <source>Arm</source>
        <translation>Ramo</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Esatto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normalizzato</translation>
    </message>
    <message>
        <source>Optimised</source>
        <translation>Ottimizzato</translation>
    </message>
    <message>
        <source>Dissipation</source>
        <translation>Dissipazione</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Tolerated source</source>
        <translation>Generatore tollerato</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Caso peggiore</translation>
    </message>
    <message>
        <source>beyond %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>none: outside the limits already at the start</source>
        <translation>nessuna: fuori dai limiti già all&apos;inizio</translation>
    </message>
    <message>
        <source>Some fields need another value: the reason is shown beside each.</source>
        <translation>Alcuni campi richiedono un altro valore: il motivo è accanto a ciascuno.</translation>
    </message>
    <message>
        <source>%1: Zin %2 Ω, Zout %3 Ω, loss %4 dB (least possible %5 dB)</source>
        <translation>%1: Zin %2 Ω, Zout %3 Ω, attenuazione %4 dB (minima possibile %5 dB)</translation>
    </message>
    <message>
        <source>Usable bandwidth (loss within %1 dB, return loss at least %2 dB): %3</source>
        <translation>Banda utile (attenuazione entro %1 dB, perdita di ritorno almeno %2 dB): %3</translation>
    </message>
    <message>
        <source>No set of neighbouring standard values keeps the return-loss floor.</source>
        <translation>Nessuna serie di valori normalizzati vicini mantiene la perdita di ritorno minima.</translation>
    </message>
</context>
<context>
    <name>zelmarino::workbench::SchematicView</name>
    <message>
        <source>Schematic</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Zin</source>
        <translation>Zin</translation>
    </message>
    <message>
        <source>Zout</source>
        <translation>Zout</translation>
    </message>
</context>
<context>
    <name>zelmarino::workbench::WorkbenchWindow</name>
    <message>
        <source>Zelmarino Workbench</source>
        <translation>Zelmarino Banco di lavoro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export &amp;SPICE…</source>
        <translation>Esporta &amp;SPICE…</translation>
    </message>
    <message>
        <source>Export &amp;Touchstone…</source>
        <translation>Esporta &amp;Touchstone…</translation>
    </message>
    <message>
        <source>Export &amp;csv…</source>
        <translation>Esporta &amp;csv…</translation>
    </message>
    <message>
        <source>Export &amp;json…</source>
        <translation>Esporta &amp;json…</translation>
    </message>
    <message>
        <source>Save the &amp;plot as PNG…</source>
        <translation>Salva il &amp;grafico come PNG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy the table of arms</source>
        <translation>&amp;Copia la tabella dei rami</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>File %1 (*.%2)</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Salva il grafico</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Scritto: %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>The table of arms is on the clipboard</source>
        <translation>La tabella dei rami è negli appunti</translation>
    </message>
</context>
</TS>
