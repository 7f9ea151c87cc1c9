-- Equipment: ammunition
-- Columns, in table order:
--   IDNUM, SAVENUM (= IDNUM), SAVE97 (the older number of the design files), NAME, ABBR (code name),
--   TECH (1 IS L1, 2 IS L2, 4 IS L3, 8 Clan L2, 16 Clan L3, 32 Mixed), TONS, CRITS, DMG (shots per ton
--   for ammunition), HEAT, MINRNG, SRT, MED, LNG, BV (per ton for ammunition), COST (per ton for
--   ammunition), OPTIONS (1 offensive, 2 direct fire, 4 can split, 8 uses Artemis, 16 removes
--   actuators, 32 append number, 64 ultra, 128 streak, 256 LB-X, 512 inventory, 2048 explosive),
--   INLIST, LOCS (1 H, 2 CT, 4 RT, 8 LT, 16 RA, 32 LA, 64 RL, 128 LL), DMGTXT,
--   CALCTONS, CALCCRITS, CALCHEAT, CALCDMG, CALCCOST, CALCBV (formulas; first letter H, Q or W rounds
--   up to the half ton, quarter or whole, R to the nearest whole (halves up), N leaves the value as
--   it is).

-- Inner Sphere ballistic ammunition (one ton lots), identifiers 1500 to 1599
INSERT INTO WepTable VALUES(1500,1500,800,'@Autocannon/2'        ,'@AC/2'      ,39,1.0,1, 45,0,0,0,0,0, 5, 1000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1501,1501,801,'@Autocannon/5'        ,'@AC/5'      ,39,1.0,1, 20,0,0,0,0,0, 9, 4500.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1502,1502,802,'@Autocannon/10'       ,'@AC/10'     ,39,1.0,1, 10,0,0,0,0,0,16, 6000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1503,1503,803,'@Autocannon/20'       ,'@AC/20'     ,39,1.0,1,  5,0,0,0,0,0,22,10000.0,2049,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(1504,1504,804,'@Machine Gun'         ,'@MG'        ,39,1.0,1,200,0,0,0,0,0, 1, 1000.0,2049,0,255,'200','','','','','','');
INSERT INTO WepTable VALUES(1505,1505,805,'@Gauss Rifle'         ,'@Gauss'     ,38,1.0,1,  8,0,0,0,0,0,40,20000.0,   1,0,255,'8'  ,'','','','','','');
INSERT INTO WepTable VALUES(1506,1506,806,'@Light Gauss Rifle'   ,'@Lt_Gauss'  ,38,1.0,1, 16,0,0,0,0,0,20,20000.0,   1,0,255,'16' ,'','','','','','');
INSERT INTO WepTable VALUES(1507,1507,807,'@Heavy Gauss Rifle'   ,'@Hvy_Gauss' ,38,1.0,1,  4,0,0,0,0,0,43,20000.0,   1,0,255,'4'  ,'','','','','','');
INSERT INTO WepTable VALUES(1508,1508,808,'@LB 2-X AC'           ,'@LB2-X'     ,38,1.0,1, 45,0,0,0,0,0, 5, 2000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1509,1509,809,'@LB 5-X AC'           ,'@LB5-X'     ,38,1.0,1, 20,0,0,0,0,0,10, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1510,1510,810,'@LB 10-X AC'          ,'@LB10-X'    ,38,1.0,1, 10,0,0,0,0,0,19,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1511,1511,811,'@LB 20-X AC'          ,'@LB20-X'    ,38,1.0,1,  5,0,0,0,0,0,30,20000.0,2049,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(1512,1512,812,'@Ultra AC/2'          ,'@UltraAC/2' ,38,1.0,1, 45,0,0,0,0,0, 7, 1000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1513,1513,813,'@Ultra AC/5'          ,'@UltraAC/5' ,38,1.0,1, 20,0,0,0,0,0,14, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1514,1514,814,'@Ultra AC/10'         ,'@UltraAC/10',38,1.0,1, 10,0,0,0,0,0,26,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1515,1515,815,'@Ultra AC/20'         ,'@UltraAC/20',38,1.0,1,  5,0,0,0,0,0,35,20000.0,2049,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(1516,1516,816,'@Rotary AC/2'         ,'@RotaryAC/2',38,1.0,1, 45,0,0,0,0,0,15, 3000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1517,1517,817,'@Rotary AC/5'         ,'@RotaryAC/5',38,1.0,1, 20,0,0,0,0,0,31,12000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1518,1518,818,'@Light AC/2'          ,'@LightAC/2' ,38,1.0,1, 45,0,0,0,0,0, 4, 1000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1519,1519,819,'@Light AC/5'          ,'@LightAC/5' ,38,1.0,1, 20,0,0,0,0,0, 8, 4500.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1520,1520,820,'@Light Machine Gun'   ,'@LightMG'   ,38,1.0,1,200,0,0,0,0,0, 1,  500.0,2049,0,255,'200','','','','','','');
INSERT INTO WepTable VALUES(1521,1521,821,'@Heavy Machine Gun'   ,'@HeavyMG'   ,38,1.0,1,100,0,0,0,0,0, 1, 1000.0,2049,0,255,'100','','','','','','');
INSERT INTO WepTable VALUES(1522,1522,822,'@Magshot Gauss Rifle' ,'@Magshot'   ,38,1.0,1, 50,0,0,0,0,0, 2, 1000.0,   1,0,255,'50' ,'','','','','','');
INSERT INTO WepTable VALUES(1523,1523,823,'@Hyper Velocity AC/2' ,'@HVAC/2'    ,36,1.0,1, 30,0,0,0,0,0, 7, 3000.0,2049,0,255,'30' ,'','','','','','');
INSERT INTO WepTable VALUES(1524,1524,824,'@Hyper Velocity AC/5' ,'@HVAC/5'    ,36,1.0,1, 15,0,0,0,0,0,14,10000.0,2049,0,255,'15' ,'','','','','','');
INSERT INTO WepTable VALUES(1525,1525,825,'@Hyper Velocity AC/10','@HVAC/10'   ,36,1.0,1,  8,0,0,0,0,0,20,20000.0,2049,0,255,'8'  ,'','','','','','');
INSERT INTO WepTable VALUES(1526,1526,826,'@LB 2-X AC Cluster'   ,'@LB2-XC'    ,38,1.0,1, 45,0,0,0,0,0, 5, 2000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1527,1527,827,'@LB 5-X AC Cluster'   ,'@LB5-XC'    ,38,1.0,1, 20,0,0,0,0,0,10, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1528,1528,828,'@LB 10-X AC Cluster'  ,'@LB10-XC'   ,38,1.0,1, 10,0,0,0,0,0,19,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1529,1529,829,'@LB 20-X AC Cluster'  ,'@LB20-XC'   ,38,1.0,1,  5,0,0,0,0,0,30,20000.0,2049,0,255,'5'  ,'','','','','','');

-- Clan ballistic ammunition (one ton lots), identifiers 1600 to 1699
INSERT INTO WepTable VALUES(1600,1600,850,'@Gauss Rifle'           ,'@Gauss'     ,56,1.0,1,  8,0,0,0,0,0,40,20000.0,   1,0,255,'8'  ,'','','','','','');
INSERT INTO WepTable VALUES(1601,1601,851,'@LB 2-X AC'             ,'@LB2-X'     ,56,1.0,1, 45,0,0,0,0,0, 6, 2000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1602,1602,852,'@LB 5-X AC'             ,'@LB5-X'     ,56,1.0,1, 20,0,0,0,0,0,12, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1603,1603,853,'@LB 10-X AC'            ,'@LB10-X'    ,56,1.0,1, 10,0,0,0,0,0,19,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1604,1604,854,'@LB 20-X AC'            ,'@LB20-X'    ,56,1.0,1,  5,0,0,0,0,0,30,20000.0,2049,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(1605,1605,855,'@Ultra AC/2'            ,'@UltraAC/2' ,56,1.0,1, 45,0,0,0,0,0, 8, 1000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1606,1606,856,'@Ultra AC/5'            ,'@UltraAC/5' ,56,1.0,1, 20,0,0,0,0,0,15, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1607,1607,857,'@Ultra AC/10'           ,'@UltraAC/10',56,1.0,1, 10,0,0,0,0,0,26,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1608,1608,858,'@Ultra AC/20'           ,'@UltraAC/20',56,1.0,1,  5,0,0,0,0,0,42,20000.0,2049,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(1609,1609,859,'@Machine Gun'           ,'@MG'        ,56,1.0,1,200,0,0,0,0,0, 1, 1000.0,2049,0,255,'200','','','','','','');
INSERT INTO WepTable VALUES(1610,1610,860,'@Light Machine Gun'     ,'@LightMG'   ,56,1.0,1,200,0,0,0,0,0, 1,  500.0,2049,0,255,'200','','','','','','');
INSERT INTO WepTable VALUES(1611,1611,861,'@Heavy Machine Gun'     ,'@HeavyMG'   ,56,1.0,1,100,0,0,0,0,0, 1, 1000.0,2049,0,255,'100','','','','','','');
INSERT INTO WepTable VALUES(1612,1612,862,'@AP Gauss Rifle'        ,'@APGauss'   ,56,1.0,1, 40,0,0,0,0,0, 3, 3000.0,   1,0,255,'40' ,'','','','','','');
INSERT INTO WepTable VALUES(1613,1613,863,'@Hyper-Assault Gauss 20','@HAG20'     ,56,1.0,1,  6,0,0,0,0,0,33,30000.0,   1,0,255,'6'  ,'','','','','','');
INSERT INTO WepTable VALUES(1614,1614,864,'@Hyper-Assault Gauss 30','@HAG30'     ,56,1.0,1,  4,0,0,0,0,0,50,30000.0,   1,0,255,'4'  ,'','','','','','');
INSERT INTO WepTable VALUES(1615,1615,865,'@Hyper-Assault Gauss 40','@HAG40'     ,56,1.0,1,  3,0,0,0,0,0,67,30000.0,   1,0,255,'3'  ,'','','','','','');
INSERT INTO WepTable VALUES(1616,1616,866,'@LB 2-X AC Cluster'     ,'@LB2-XC'    ,56,1.0,1, 45,0,0,0,0,0, 6, 2000.0,2049,0,255,'45' ,'','','','','','');
INSERT INTO WepTable VALUES(1617,1617,867,'@LB 5-X AC Cluster'     ,'@LB5-XC'    ,56,1.0,1, 20,0,0,0,0,0,12, 9000.0,2049,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(1618,1618,868,'@LB 10-X AC Cluster'    ,'@LB10-XC'   ,56,1.0,1, 10,0,0,0,0,0,19,12000.0,2049,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(1619,1619,869,'@LB 20-X AC Cluster'    ,'@LB20-XC'   ,56,1.0,1,  5,0,0,0,0,0,30,20000.0,2049,0,255,'5'  ,'','','','','','');

-- Inner Sphere long-range missile ammunition (one ton lots), identifiers 1700 to 1799
INSERT INTO WepTable VALUES(1700,1700,900,'@LRM 5'          ,'@LRM-5'  ,39,1.0,1,24,0,0,0,0,0, 6,30000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(1701,1701,901,'@LRM 10'         ,'@LRM-10' ,39,1.0,1,12,0,0,0,0,0,11,30000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(1702,1702,902,'@LRM 15'         ,'@LRM-15' ,39,1.0,1, 8,0,0,0,0,0,17,30000.0,2049,0,255,'8' ,'','','','','','');
INSERT INTO WepTable VALUES(1703,1703,903,'@LRM 20'         ,'@LRM-20' ,39,1.0,1, 6,0,0,0,0,0,23,30000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(1704,1704,904,'@MRM 10'         ,'@MRM-10' ,38,1.0,1,24,0,0,0,0,0, 7, 5000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(1705,1705,905,'@MRM 20'         ,'@MRM-20' ,38,1.0,1,12,0,0,0,0,0,14, 5000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(1706,1706,906,'@MRM 30'         ,'@MRM-30' ,38,1.0,1, 8,0,0,0,0,0,21, 5000.0,2049,0,255,'8' ,'','','','','','');
INSERT INTO WepTable VALUES(1707,1707,907,'@MRM 40'         ,'@MRM-40' ,38,1.0,1, 6,0,0,0,0,0,28, 5000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(1708,1708,908,'@Extended LRM 5' ,'@ELRM-5' ,36,1.0,1,18,0,0,0,0,0, 8,35000.0,2049,0,255,'18','','','','','','');
INSERT INTO WepTable VALUES(1709,1709,909,'@Extended LRM 10','@ELRM-10',36,1.0,1, 9,0,0,0,0,0,17,35000.0,2049,0,255,'9' ,'','','','','','');
INSERT INTO WepTable VALUES(1710,1710,910,'@Extended LRM 15','@ELRM-15',36,1.0,1, 6,0,0,0,0,0,25,35000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(1711,1711,911,'@Extended LRM 20','@ELRM-20',36,1.0,1, 4,0,0,0,0,0,34,35000.0,2049,0,255,'4' ,'','','','','','');

-- Clan long-range missile ammunition (one ton lots), identifiers 1800 to 1899
INSERT INTO WepTable VALUES(1800,1800,950,'@LRM 5'        ,'@LRM-5'       ,56,1.0,1,24,0,0,0,0,0, 7,30000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(1801,1801,951,'@LRM 10'       ,'@LRM-10'      ,56,1.0,1,12,0,0,0,0,0,14,30000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(1802,1802,952,'@LRM 15'       ,'@LRM-15'      ,56,1.0,1, 8,0,0,0,0,0,21,30000.0,2049,0,255,'8' ,'','','','','','');
INSERT INTO WepTable VALUES(1803,1803,953,'@LRM 20'       ,'@LRM-20'      ,56,1.0,1, 6,0,0,0,0,0,28,30000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(1804,1804,954,'@ATM 3'        ,'@ATM-3'       ,56,1.0,1,20,0,0,0,0,0, 7,75000.0,2049,0,255,'20','','','','','','');
INSERT INTO WepTable VALUES(1805,1805,955,'@ATM 6'        ,'@ATM-6'       ,56,1.0,1,10,0,0,0,0,0,13,75000.0,2049,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(1806,1806,956,'@ATM 9'        ,'@ATM-9'       ,56,1.0,1, 7,0,0,0,0,0,18,75000.0,2049,0,255,'7' ,'','','','','','');
INSERT INTO WepTable VALUES(1807,1807,957,'@ATM 12'       ,'@ATM-12'      ,56,1.0,1, 5,0,0,0,0,0,27,75000.0,2049,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(1808,1808,958,'@Streak LRM 5' ,'@StreakLRM-5' ,48,1.0,1,24,0,0,0,0,0,11,60000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(1809,1809,959,'@Streak LRM 10','@StreakLRM-10',48,1.0,1,12,0,0,0,0,0,22,60000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(1810,1810,960,'@Streak LRM 15','@StreakLRM-15',48,1.0,1, 8,0,0,0,0,0,33,60000.0,2049,0,255,'8' ,'','','','','','');
INSERT INTO WepTable VALUES(1811,1811,961,'@Streak LRM 20','@StreakLRM-20',48,1.0,1, 6,0,0,0,0,0,43,60000.0,2049,0,255,'6' ,'','','','','','');

-- Inner Sphere short-range missile ammunition (one ton lots), identifiers 1900 to 1999
INSERT INTO WepTable VALUES(1900,1900,1000,'@SRM 2'                 ,'@SRM-2'      ,39,1.0,1,50,0,0,0,0,0, 3,27000.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(1901,1901,1001,'@SRM 4'                 ,'@SRM-4'      ,39,1.0,1,25,0,0,0,0,0, 5,27000.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(1902,1902,1002,'@SRM 6'                 ,'@SRM-6'      ,39,1.0,1,15,0,0,0,0,0, 7,27000.0,2049,0,255,'15','','','','','','');
INSERT INTO WepTable VALUES(1903,1903,1003,'@Streak SRM 2'          ,'@StreakSRM-2',38,1.0,1,50,0,0,0,0,0, 4,54000.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(1904,1904,1004,'@Streak SRM 4'          ,'@StreakSRM-4',38,1.0,1,25,0,0,0,0,0, 7,54000.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(1905,1905,1005,'@Streak SRM 6'          ,'@StreakSRM-6',38,1.0,1,15,0,0,0,0,0,11,54000.0,2049,0,255,'15','','','','','','');
INSERT INTO WepTable VALUES(1906,1906,1006,'@Homing Beacon Launcher','@Beacon'     ,38,1.0,1, 6,0,0,0,0,0, 0, 6000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(1907,1907,1007,'@Improved Homing Beacon','@ImpBeacon'  ,38,1.0,1, 4,0,0,0,0,0, 0, 7500.0,2049,0,255,'4' ,'','','','','','');
INSERT INTO WepTable VALUES(1908,1908,1008,'@SRM 2 Inferno'         ,'@SRM-2I'     ,39,1.0,1,50,0,0,0,0,0, 3,13500.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(1909,1909,1009,'@SRM 4 Inferno'         ,'@SRM-4I'     ,39,1.0,1,25,0,0,0,0,0, 5,13500.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(1910,1910,1010,'@SRM 6 Inferno'         ,'@SRM-6I'     ,39,1.0,1,15,0,0,0,0,0, 7,13500.0,2049,0,255,'15','','','','','','');

-- Clan short-range missile ammunition (one ton lots), identifiers 2000 to 2099
INSERT INTO WepTable VALUES(2000,2000,1050,'@SRM 2'                 ,'@SRM-2'      ,56,1.0,1,50,0,0,0,0,0, 3,27000.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(2001,2001,1051,'@SRM 4'                 ,'@SRM-4'      ,56,1.0,1,25,0,0,0,0,0, 5,27000.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(2002,2002,1052,'@SRM 6'                 ,'@SRM-6'      ,56,1.0,1,15,0,0,0,0,0, 7,27000.0,2049,0,255,'15','','','','','','');
INSERT INTO WepTable VALUES(2003,2003,1053,'@Streak SRM 2'          ,'@StreakSRM-2',56,1.0,1,50,0,0,0,0,0, 5,54000.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(2004,2004,1054,'@Streak SRM 4'          ,'@StreakSRM-4',56,1.0,1,25,0,0,0,0,0,10,54000.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(2005,2005,1055,'@Streak SRM 6'          ,'@StreakSRM-6',56,1.0,1,15,0,0,0,0,0,15,54000.0,2049,0,255,'15','','','','','','');
INSERT INTO WepTable VALUES(2006,2006,1056,'@Homing Beacon Launcher','@Beacon'     ,56,1.0,1, 6,0,0,0,0,0, 0, 6000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(2007,2007,1057,'@SRM 2 Inferno'         ,'@SRM-2I'     ,56,1.0,1,50,0,0,0,0,0, 3,13500.0,2049,0,255,'50','','','','','','');
INSERT INTO WepTable VALUES(2008,2008,1058,'@SRM 4 Inferno'         ,'@SRM-4I'     ,56,1.0,1,25,0,0,0,0,0, 5,13500.0,2049,0,255,'25','','','','','','');
INSERT INTO WepTable VALUES(2009,2009,1059,'@SRM 6 Inferno'         ,'@SRM-6I'     ,56,1.0,1,15,0,0,0,0,0, 7,13500.0,2049,0,255,'15','','','','','','');

-- Inner Sphere miscellaneous ammunition (one ton lots), identifiers 2100 to 2199
INSERT INTO WepTable VALUES(2100,2100,1100,'@Arrow IV System'    ,'@Arrow_IV',38,1.0,1, 5,0,0,0,0,0,30,10000.0,2049,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(2101,2101,1101,'@Anti-Missile System','@AMS'     ,38,1.0,1,12,0,0,0,0,0,11, 2000.0,2048,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(2102,2102,1102,'@Frame Mortar 1'     ,'@Mortar-1',36,1.0,1,24,0,0,0,0,0, 1,28000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(2103,2103,1103,'@Frame Mortar 2'     ,'@Mortar-2',36,1.0,1,12,0,0,0,0,0, 2,28000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(2104,2104,1104,'@Frame Mortar 4'     ,'@Mortar-4',36,1.0,1, 6,0,0,0,0,0, 3,28000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(2105,2105,1105,'@Frame Mortar 8'     ,'@Mortar-8',36,1.0,1, 4,0,0,0,0,0, 6,28000.0,2049,0,255,'4' ,'','','','','','');
INSERT INTO WepTable VALUES(2106,2106,1106,'@Long Tom Artillery','@LongTom' ,38,1.0,1, 5,0,0,0,0,0,46,10000.0,2049,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(2107,2107,1107,'@Sniper Artillery'  ,'@Sniper'  ,38,1.0,1,10,0,0,0,0,0,11, 6000.0,2049,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(2108,2108,1108,'@Thumper Artillery' ,'@Thumper' ,38,1.0,1,20,0,0,0,0,0, 5, 4500.0,2049,0,255,'20','','','','','','');

-- Clan miscellaneous ammunition (one ton lots), identifiers 2200 to 2299
INSERT INTO WepTable VALUES(2200,2200,1150,'@Arrow IV System'    ,'@Arrow_IV',56,1.0,1, 5,0,0,0,0,0,30,10000.0,2049,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(2201,2201,1151,'@Anti-Missile System','@AMS'     ,56,1.0,1,24,0,0,0,0,0,22, 2000.0,2048,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(2202,2202,1152,'@Frame Mortar 1'     ,'@Mortar-1',48,1.0,1,24,0,0,0,0,0, 1,28000.0,2049,0,255,'24','','','','','','');
INSERT INTO WepTable VALUES(2203,2203,1153,'@Frame Mortar 2'     ,'@Mortar-2',48,1.0,1,12,0,0,0,0,0, 2,28000.0,2049,0,255,'12','','','','','','');
INSERT INTO WepTable VALUES(2204,2204,1154,'@Frame Mortar 4'     ,'@Mortar-4',48,1.0,1, 6,0,0,0,0,0, 3,28000.0,2049,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(2205,2205,1155,'@Frame Mortar 8'     ,'@Mortar-8',48,1.0,1, 4,0,0,0,0,0, 6,28000.0,2049,0,255,'4' ,'','','','','','');
INSERT INTO WepTable VALUES(2206,2206,1156,'@Long Tom Artillery','@LongTom' ,56,1.0,1, 5,0,0,0,0,0,46,10000.0,2049,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(2207,2207,1157,'@Sniper Artillery'  ,'@Sniper'  ,56,1.0,1,10,0,0,0,0,0,11, 6000.0,2049,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(2208,2208,1158,'@Thumper Artillery' ,'@Thumper' ,56,1.0,1,20,0,0,0,0,0, 5, 4500.0,2049,0,255,'20','','','','','','');
