# Writes the expected exchange files of the export tests line by line, from the
# column layouts, with every formatted value written out by hand (not by the program).
# Usage: python3 make_expected_files.py tests/data/export
import os, sys

def line(): return [' '] * 200
def put(L, col, text):
    for i, c in enumerate(text):
        if col + i <= 200: L[col + i - 1] = c
def right(L, sepcol, text): put(L, sepcol - len(text), text)
def sep(L, *cols):
    for c in cols: put(L, c, '|')
def marker(c):
    L = line(); L[0] = c; return L
EOF_LINE = 'EOF' + ' ' * 199

SUBMITTED = 'Submitted: 12/5/2026  7:45:58 AM  (V3.7)'

def closing(survey_line, remarks=None):
    rows = []
    L = line(); put(L, 1, '|Additional Information'); sep(L, 122); rows.append(L)
    L = line(); sep(L, 1, 122); rows.append(L)
    L = line(); sep(L, 122); put(L, 1, survey_line); sep(L, 122); rows.append(L)
    for piece in (remarks or []):
        L = line(); sep(L, 1); put(L, 2, piece); sep(L, 122); rows.append(L)
    return rows

def write(name, rows):
    text = ''.join((EOF_LINE if r == 'EOF' else ''.join(r).upper()) + '\r\n' for r in rows)
    with open(os.path.join(sys.argv[1], name), 'wb') as f:
        f.write(text.encode('cp1252'))

def airport(ident, site, region, name, date, city, state, hor, ell, vdatum, orth,
            magdec, elev_orth, elev_ell, elev_loc, elev_date, tower_o, tower_e, tower_date,
            lat, lon):
    rows = []
    L = line(); sep(L, 1); put(L, 2, ident); sep(L, 8); put(L, 9, site); sep(L, 19)
    put(L, 20, region); sep(L, 24); put(L, 25, '1.07'); sep(L, 29); rows.append(L)
    L = line(); sep(L, 1); put(L, 2, name); sep(L, 72); put(L, 73, date); sep(L, 80); rows.append(L)
    L = line(); sep(L, 1); put(L, 2, city); sep(L, 42); put(L, 43, state); sep(L, 73); rows.append(L)
    L = line(); sep(L, 1); put(L, 2, 'NAD83'); sep(L, 12); put(L, 13, hor); sep(L, 23)
    put(L, 24, ell); sep(L, 34); put(L, 35, vdatum); sep(L, 45); put(L, 46, orth); sep(L, 61)
    rows.append(L)
    L = line(); sep(L, 1, 7, 15); right(L, 7, magdec); put(L, 8, date if magdec else ''); rows.append(L)
    L = line(); sep(L, 1, 9, 17, 26, 34); right(L, 9, elev_orth); right(L, 17, elev_ell)
    put(L, 18, elev_loc); put(L, 27, elev_date); rows.append(L)
    L = line(); sep(L, 1, 9, 17, 25); right(L, 9, tower_o); right(L, 17, tower_e)
    put(L, 18, tower_date); rows.append(L)
    L = line(); sep(L, 1); right(L, 11, lat); sep(L, 11); right(L, 22, lon); sep(L, 22)
    rows.append(L)
    rows.append(marker('@'))
    return rows

def end_block(ident, surface, date, blast, blast_date, lat, lon, azimuth, length, width,
              tdz_o, tdz_e, tdz_date, dlat, dlon, dlength, d_date, profile):
    rows = []
    L = line(); sep(L, 1); put(L, 2, ident); sep(L, 7); put(L, 8, surface); sep(L, 9)
    put(L, 10, date + '|'); rows.append(L)
    L = line(); sep(L, 1, 11); put(L, 2, blast); sep(L, 3); put(L, 4, blast_date); rows.append(L)
    L = line(); sep(L, 1, 14, 28, 36, 42, 46); right(L, 14, lat); right(L, 28, lon)
    right(L, 36, azimuth); right(L, 42, length); right(L, 46, width); put(L, 47, date + '|')
    sep(L, 54); rows.append(L)
    L = line(); sep(L, 1, 9, 17, 25); right(L, 9, tdz_o); right(L, 17, tdz_e); put(L, 18, tdz_date)
    rows.append(L)
    L = line(); sep(L, 1, 14, 28, 36, 44); right(L, 14, dlat); right(L, 28, dlon)
    right(L, 36, dlength); put(L, 37, d_date); rows.append(L)
    for distance, orth, ell in profile:
        L = line(); sep(L, 1); right(L, 7, distance); sep(L, 7); right(L, 15, orth); sep(L, 15)
        right(L, 23, ell); sep(L, 23); put(L, 24, date + '|'); sep(L, 31); rows.append(L)
    rows.append(marker('#'))
    return rows

def navaid_line(code, name, lat, lon, orth, ell, offset, along, date):
    L = line(); sep(L, 1); put(L, 2, code); put(L, 8, name); sep(L, 35); right(L, 48, lat)
    sep(L, 48); right(L, 62, lon); sep(L, 62); right(L, 70, orth); sep(L, 70); right(L, 78, ell)
    sep(L, 78); right(L, 86, offset); sep(L, 86); right(L, 93, along); sep(L, 93); put(L, 94, date)
    sep(L, 101)
    return L

def group_line(rwy, code):
    L = line(); sep(L, 1, 14); put(L, 2, rwy); sep(L, 6); put(L, 7, code); return L

def hct_line(obj, lat, lon, acc, top_o, top_e, agl, f14, f11, f13, f15, date):
    L = line(); sep(L, 1, 32); put(L, 2, obj); right(L, 43, lat); sep(L, 43); right(L, 55, lon)
    sep(L, 55); put(L, 56, acc); sep(L, 58); right(L, 64, top_o); sep(L, 64); right(L, 70, top_e)
    sep(L, 70); right(L, 76, agl); sep(L, 76); right(L, 82, f14); sep(L, 82); right(L, 88, f11)
    sep(L, 88); right(L, 94, f13); sep(L, 94); right(L, 100, f15); sep(L, 100); put(L, 101, date)
    return L

def other_line(obj, lat, lon, acc, top_o, top_e, agl, f11, f13, f14, f16, f17, f18, f15, date):
    L = line(); sep(L, 1, 32); put(L, 2, obj); right(L, 43, lat); sep(L, 43); right(L, 55, lon)
    sep(L, 55); put(L, 56, acc); sep(L, 58); right(L, 64, top_o); sep(L, 64); right(L, 70, top_e)
    sep(L, 70); right(L, 76, agl); sep(L, 76); right(L, 82, f11); sep(L, 82); right(L, 88, f13)
    sep(L, 88); right(L, 94, f14); sep(L, 94); right(L, 101, f16); sep(L, 101); right(L, 108, f17)
    sep(L, 108); right(L, 115, f18); sep(L, 115); right(L, 121, f15); sep(L, 121)
    put(L, 122, date); sep(L, 129)
    return L

NO_NAVAIDS = [marker('#'), marker('#'), marker('@')]

# --- An empty certified survey: hemispheres N and W, date 03/05/2004 -> 0642004.
rows = airport('KEMP', '03407.A', 'AEA', 'Empty Field Municipal', '0642004', 'smallville', 'MAINE',
               '5 CM', '15 CM', 'NAVD88', '25 CM', magdec='14.0', elev_orth='1234.5', elev_ell='',
               elev_loc='', elev_date='0642004', tower_o='1250', tower_e='', tower_date='0642004',
               lat='440307.2', lon='-701530.2')
rows += [marker('@')] + NO_NAVAIDS + [marker('@')]
rows += closing('|Survey Type is AOC.  Surveyor: Jane Q. Surveyor  License No: LS-1234 ' + SUBMITTED)
rows.append('EOF')
write('empty_survey.uddf', rows)

# --- Two runways: hemispheres S and E; runway dates 06/15/2010 -> 1662010, 1/5/2011 -> 0052011.
rows = airport('KRWY', '', 'ASO', 'Twin Runways', '0012005', '', '', '', '', '', '',
               magdec='', elev_orth='', elev_ell='', elev_loc='', elev_date='', tower_o='',
               tower_e='', tower_date='', lat='-335646.0', lon='1511038.0')
d = '1662010'
rows += end_block('09', 'P', d, 'Y', d, '-335646.1234', '1511038.5000', '0894530', '5000', '150',
                  '22.0', '', d, '-335646.5000', '1511041.0000', '300', d,
                  [('0', '20.5', '45.3'), ('300', '21.0', '45.8'), ('800', '23.7', '48.2'),
                   ('1200', '22.1', '46.9'), ('3000', '24.0', ''), ('4550', '24.5', '49.0'),
                   ('5000', '25.0', '49.9')])
rows += end_block('27', 'P', d, 'X', d, '-335647.0000', '1511137.2500', '2694530', '5000', '150',
                  '', '', '', '-335646.9000', '1511134.0000', '450', d,
                  [('0', '25.0', '49.9'), ('450', '24.5', '49.0'), ('2000', '24.0', ''),
                   ('3800', '22.1', '46.9'), ('4200', '23.7', '48.2'), ('4700', '21.0', '45.8'),
                   ('5000', '20.5', '45.3')])
d = '0052011'
rows += end_block('18L', 'U', d, 'N', d, '-335701.0000', '1511000.0000', '', '7001', '75',
                  '', '', '', '', '', '', '',
                  [('0', '30.0', ''), ('6500', '30.9', '55.1'), ('6881', '31.0', ''),
                   ('7001', '31.5', ''), ('', '30.2', '')])
rows += end_block('36R', 'U', d, '', '', '-335810.5000', '1511002.2500', '', '7001', '75',
                  '', '', '', '-335809.0000', '1511002.1000', '120', d,
                  [('0', '31.5', ''), ('120', '31.0', ''), ('501', '30.9', '55.1'),
                   ('7001', '30.0', ''), ('', '30.2', '')])
rows[-1] = marker('@')
rows += NO_NAVAIDS + [marker('@')]
rows += closing('|Survey Type is RUNWAY.  Surveyor: Sam Level  License No: 99 ' + SUBMITTED,
                ['Checked twice.'])
rows.append('EOF')
write('runways.uddf', rows)

# --- Navaids: hemispheres N and W; navaid date 05/01/2012 -> 1212012, runway 04/10/2012 -> 1002012.
rows = airport('KNAV', '', '', 'Beacon Hill', '', '', '', '', '', '', '', magdec='', elev_orth='',
               elev_ell='', elev_loc='', elev_date='', tower_o='', tower_e='', tower_date='',
               lat='', lon='')
d = '1002012'
rows += end_block('09', '', d, '', '', '403823.0000', '-734644.0000', '', '8000', '', '', '', '',
                  '', '', '', '', [('0', '', ''), ('8000', '', '')])
rows += end_block('27', '', d, '', '', '403830.5000', '-734500.0000', '', '8000', '', '', '', '',
                  '', '', '', '', [('0', '', ''), ('8000', '', '')])
rows[-1] = marker('@')
n = '1212012'
# electronic: GS (PP), NDB/DME, LOC (CLPT)
rows.append(navaid_line('GS ', '(09_IABC)', '403820.1234', '-734640.5000', '12.5', '-20.1', '', '', n))
rows.append(navaid_line('GS ', '(09_IABC)   PP', '403821.0000', '-734643.2500', '13.0', '', '230L', '210', n))
rows.append(navaid_line('NDB/DME', '(NDB1)', '404000.0000', '-735000.0000', '', '', '', '', ''))
rows.append(navaid_line('LOC ', '(27_IXYZ)', '403832.0000', '-734450.0000', '', '', '', '351', n))
rows.append(navaid_line('LOC ', '(27_IXYZ)   CLPT', '403831.0000', '-734455.5000', '', '', '436', '351', n))
rows.append(marker('#'))
# visual: VASI, REIL (empty point kind)
rows.append(navaid_line('VASI ', '(27)', '403829.0000', '-734505.0000', '15.25', '', '', '', n))
rows.append(navaid_line('REIL ', '(09)', '403823.5000', '-734644.5000', '', '', '', '', n))
rows.append(navaid_line('REIL ', '(09)   ', '', '', '', '', 'R', '', n))
rows.append(marker('#'))
# other: a type typed freely, CLPT on a runway end the survey does not have
rows.append(navaid_line('My Custom Beacon', '(99)', '403900.0000', '-734700.0000', '', '', '', '', n))
rows.append(navaid_line('My Custom Beacon', '(99)   CLPT', '403901.0000', '-734701.0000', '', '', '127R', '', n))
rows.append(marker('@'))
rows.append(marker('@'))
rows += closing('|Survey Type is NAVAID.  Surveyor: Nav Person  License No: N-7 ' + SUBMITTED)
rows.append('EOF')
write('navaids.uddf', rows)

# --- Obstructions: hemispheres N and W; obstruction date 07/04/2015 -> 1852015.
# The reference point's longitude (118 degrees west) starts right after the separator in column 11.
rows = airport('KOBS', '', '', 'Obstacle Field', '', '', '', '', '', '', '', magdec='', elev_orth='',
               elev_ell='', elev_loc='', elev_date='', tower_o='', tower_e='', tower_date='',
               lat='340507.2', lon='-1181530.2')
rows += [marker('@')] + NO_NAVAIDS
o = '1852015'
rows.append(other_line('Fence', '340501.00', '-1181502.00', '', '', '', '', '', '', '', '', '', '', '', o))
rows.append(marker('#'))
rows.append(group_line('09', 'HCT'))
rows.append(hct_line('Antenna', '340600.00', '-1181601.00', '1A', '300', '265', '60', '14', '11', '13', '15', o))
rows.append(hct_line('Pole', '3406.00', '-11816.00', '', '', '', '', '', '', '', '', o))
# Every value of the water tower and of the light pole fills its columns.
rows.append(hct_line('Water tower on the north ridge', '340630.50', '-1181630.25', '1A', '512.5',
                     '480.3', '120.5', '14.25', '11.25', '13.25', '15.25', o))
rows.append(marker('#'))
rows.append(group_line('09', 'PIR'))
rows.append(other_line('Crane', '340602.50', '-1181603.00', '3E', '410', '', '200', '', '', '', '', '', '', '', o))
rows.append(marker('#'))
rows.append(group_line('10', 'NUL'))
rows.append(other_line('Mast', '340700.00', '-1181700.00', '', '', '', '', '', '', '', '', '', '', '', ''))
rows.append(marker('#'))
rows.append(group_line('18', 'PIR'))
rows.append(other_line('Tree', '340507.25', '-1181530.20', '2B', '250', '215', '45', '', '', '', '', '', '', '', o))
rows.append(marker('#'))
rows.append(group_line('27', 'C'))
rows.append(other_line('Building', '3404', '-1181405.00', '', '', '', '', '1', '3', '4', '6', '7', '8', '5', o))
rows.append(other_line('Light pole by the east carpark', '340410.00', '-1181410.00', '2B', '312.5',
                       '280.3', '100.5', '11.50', '13.50', '14.50', '160.25', '170.25', '180.25',
                       '15.50', o))
rows.append(marker('@'))
remarks = ('Runway 09 lights were checked at night; the crane north of taxiway B was removed after '
           'the survey. ') * 4
remarks = remarks[:300]
assert len(remarks) == 300 and remarks.endswith('Run')
rows += closing('|Survey Type is COMBINE.  Surveyor:   License No:  ' + SUBMITTED,
                [remarks[0:120], remarks[120:240], remarks[240:300]])
rows.append('EOF')
write('obstructions.uddf', rows)
